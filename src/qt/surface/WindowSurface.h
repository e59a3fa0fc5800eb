#pragma once

#include <QRegion>

#include <functional>
#include <memory>

class QPainter;
class QWidget;

// How the clock window's painted pixels reach the screen: through Qt's back buffer, or straight
// to the X server. Chosen once for the window, so that the face's painting never asks which.
class WindowSurface {
public:
    // Paints every pixel of `area` of the window (its device-independent pixels) afresh with the
    // painter it is given, whose coordinates are the window's. The painter is clipped to the
    // area, or to a rectangle around it of which only the area reaches the screen.
    using Painting = std::function<void(QPainter& painter, const QRegion& area)>;

    virtual ~WindowSurface() = default;

    // The surface that suits `window` on this display.
    static std::unique_ptr<WindowSurface> forWindow(QWidget& window);

    // Whether the window paints on the screen itself, so that Qt keeps no back buffer for it.
    virtual bool paintsOnScreen() const = 0;
    // Repaints `area` of the window, as a paint event asks.
    virtual void paint(const QRegion& area, const Painting& painting) = 0;
};
