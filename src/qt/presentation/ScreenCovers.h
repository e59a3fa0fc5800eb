#pragma once

#include <QCursor>
#include <QObject>

#include <map>
#include <memory>

class BlackScreenWindow;
class QScreen;
class QWidget;

// The black windows over every monitor but the primary one, where the clock stands. Monitors
// that come or go while the clock is shown get or lose theirs.
class ScreenCovers : public QObject {
    Q_OBJECT

public:
    explicit ScreenCovers(QWidget& clock);
    ~ScreenCovers() override;

    // Covers the monitors from now on.
    void show();
    void setCursor(const QCursor& cursor);
    bool isCover(const QWidget* window) const;

private:
    // One cover for each monitor that is not the primary one, and no other.
    void update();

    QWidget& m_clock;
    bool m_shown = false;
    std::map<QScreen*, std::unique_ptr<BlackScreenWindow>> m_covers;
};
