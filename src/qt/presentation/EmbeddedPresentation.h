#pragma once

#include "FaceFit.h"
#include "Presentation.h"

#include <memory>

class ForeignWindow;

// The way of display programs under a screen saver such as XScreenSaver: the clock is drawn
// into another program's window, or into an ordinary window of its own, laid out for a screen
// of at least the smallest size, scaled to fit and centred, and following the window's size.
// Input, dialogs and the single-instance lock belong to the program that owns the window, and
// the setup hint, which names a key the clock does not take here, is not shown.
class EmbeddedPresentation : public Presentation {
    Q_OBJECT

public:
    // A window of its own starts at this size.
    static constexpr QSize kOwnWindowSize{800, 600};

    // Draws into `parent`, or into a window of its own when it is null.
    explicit EmbeddedPresentation(std::unique_ptr<ForeignWindow> parent);
    ~EmbeddedPresentation() override;

    QScreen* screen() const override;
    QSize layoutSize() const override { return m_fit.layout(); }
    bool anotherInstanceRunning() override { return false; }
    // The pointer is the other program's; moving it would even count as the user's activity
    // and end that program's screen saver.
    void movePointer(QPoint) override {}

    void attach(ClockWindow& clock) override;
    void windowChanged() override;
    void shown() override {}
    QRegion toWindow(const QRegion& area) const override;
    void paint(QPainter& painter, const QRegion& area, FacePainter& face) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<ForeignWindow> m_parent;
    ClockWindow* m_clock = nullptr;
    QSize m_largest;
    FaceFit m_fit;
};
