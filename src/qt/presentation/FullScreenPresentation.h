#pragma once

#include "InstanceLock.h"
#include "Presentation.h"

#include <memory>

class ScreenCovers;

// The screen saver's own way: a frameless window over the whole primary monitor, black covers
// over the other monitors, and typed characters and mouse movement over any of them handed to
// the clock window's handlers, whose rules end the run or open the dialog.
class FullScreenPresentation : public Presentation {
    Q_OBJECT

public:
    explicit FullScreenPresentation(const RunPolicy& policy);
    ~FullScreenPresentation() override;

    QScreen* screen() const override;
    QSize layoutSize() const override;

    void attach(ClockWindow& clock) override;
    void windowChanged() override;
    void shown() override;
    QRegion toWindow(const QRegion& area) const override { return area; }
    void paint(QPainter& painter, const QRegion& area, FacePainter& face) override;

protected:
    bool lockHeldElsewhere() override;
    void placePointer(QPoint point) override;
    ClockWindow* clockWindow() const { return m_clock; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QRect targetGeometry() const;
    void applyGeometry();
    void applyCursor();
    void applyVisibility();
    bool otherWindowVisible() const;

    ClockWindow* m_clock = nullptr;
    std::unique_ptr<ScreenCovers> m_covers;
    os::InstanceLock m_lock;
};
