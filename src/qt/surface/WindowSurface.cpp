#include "WindowSurface.h"

#include "BackingStoreSurface.h"
#include "X11Surface.h"

std::unique_ptr<WindowSurface> WindowSurface::forWindow(QWidget& window)
{
    if (std::unique_ptr<WindowSurface> x11 = X11Surface::create(window))
        return x11;
    return std::make_unique<BackingStoreSurface>(window);
}
