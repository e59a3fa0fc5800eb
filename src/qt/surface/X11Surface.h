#pragma once

#include "WindowSurface.h"

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <vector>

struct xcb_connection_t;

// Sends the window's pixels to its X window itself: each repaint is painted into an image of the
// window and the pixels it changed are sent with PutImage. Qt's shared-memory back buffer makes
// a round trip to the server before it paints over pixels it sent the second before, and wakes
// the program a second time each tick; this needs none, and Qt then keeps no buffer of its own.
class X11Surface : public WindowSurface {
public:
    // The surface for `window`, or null unless the display is X11 and its pixels are 32 bits
    // of red, green and blue laid out as this program's images lay them out.
    static std::unique_ptr<X11Surface> create(QWidget& window);
    ~X11Surface() override;

    bool paintsOnScreen() const override { return true; }
    void paint(const QRegion& area, const Painting& painting) override;

private:
    X11Surface(QWidget& window, xcb_connection_t* connection);
    void send(const QRect& rect);

    QWidget& m_window;
    xcb_connection_t* m_connection;
    std::uint32_t m_context = 0;
    std::size_t m_largestRequest;
    QImage m_image;
    std::vector<std::uint32_t> m_pixels;
};
