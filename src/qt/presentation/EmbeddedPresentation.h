#pragma once

#include "FaceFit.h"
#include "Presentation.h"

#include <QTransform>

#include <memory>

class ForeignWindow;

// The way of display programs under a screen saver such as XScreenSaver: the clock is drawn
// into another program's window, or into an ordinary window of its own, laid out for a screen
// of at least the smallest size, scaled to fit and centred, and following the window's size.
// Input, dialogs, the pointer and the single-instance lock belong to the program that owns the
// window, as the run's policy says.
class EmbeddedPresentation : public Presentation {
    Q_OBJECT

public:
    // Draws into `parent`, or into a window of its own when it is null.
    EmbeddedPresentation(const RunPolicy& policy, std::unique_ptr<ForeignWindow> parent);
    ~EmbeddedPresentation() override;

    QScreen* screen() const override;
    QSize layoutSize() const override;

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
    tk::PixelSize m_largest;
    FaceFit m_fit;
    // From the face's pixels to the window's, as the fit places the face.
    QTransform m_transform;
};
