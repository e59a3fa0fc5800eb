#include "X11Surface.h"

#include <QGuiApplication>
#include <QPaintEngine>
#include <QPainter>
#include <QSysInfo>
#include <QWidget>

#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr std::uint8_t kDepth = 24;
constexpr std::uint8_t kBitsPerPixel = 32;
constexpr std::uint32_t kRedMask = 0xff0000;
constexpr std::uint32_t kGreenMask = 0x00ff00;
constexpr std::uint32_t kBlueMask = 0x0000ff;
// The bytes of a PutImage request before its pixels.
constexpr std::size_t kPutImageHeaderBytes = 24;
// The most pixel bytes sent in one request, which bounds the buffer they are gathered in; a
// full repaint of the screen takes a few dozen requests.
constexpr std::size_t kMostPixelBytes = std::size_t(1) << 18;

// Whether the server keeps each pixel of 24 bits of colour in a 32-bit word, with no padding
// at the end of a row but whole pixels.
bool pixelsOfWholeWords(const xcb_setup_t* setup)
{
    for (auto it = xcb_setup_pixmap_formats_iterator(setup); it.rem > 0; xcb_format_next(&it)) {
        if (it.data->depth == kDepth)
            return it.data->bits_per_pixel == kBitsPerPixel &&
                   it.data->scanline_pad == kBitsPerPixel;
    }
    return false;
}

// Whether the screen's own visual, which Qt gives an opaque window, is true colour in the
// layout of QImage::Format_RGB32.
bool rootVisualIsRgb32(const xcb_screen_t& screen)
{
    if (screen.root_depth != kDepth)
        return false;
    for (auto depths = xcb_screen_allowed_depths_iterator(&screen); depths.rem > 0;
         xcb_depth_next(&depths)) {
        for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem > 0;
             xcb_visualtype_next(&visuals)) {
            const xcb_visualtype_t& visual = *visuals.data;
            if (visual.visual_id == screen.root_visual)
                return visual._class == XCB_VISUAL_CLASS_TRUE_COLOR &&
                       visual.red_mask == kRedMask && visual.green_mask == kGreenMask &&
                       visual.blue_mask == kBlueMask;
        }
    }
    return false;
}

bool serverTakesRgb32(xcb_connection_t* connection)
{
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const std::uint8_t hostOrder = QSysInfo::ByteOrder == QSysInfo::LittleEndian
                                       ? XCB_IMAGE_ORDER_LSB_FIRST
                                       : XCB_IMAGE_ORDER_MSB_FIRST;
    if (setup->image_byte_order != hostOrder || !pixelsOfWholeWords(setup))
        return false;
    for (auto it = xcb_setup_roots_iterator(setup); it.rem > 0; xcb_screen_next(&it)) {
        if (!rootVisualIsRgb32(*it.data))
            return false;
    }
    return true;
}

// The device pixels that the window's device-independent `area` covers, whole pixels outward.
QRegion toDevice(const QRegion& area, double ratio)
{
    if (ratio == 1)
        return area;
    QRegion device;
    for (const QRect& rect : area)
        device +=
            QRectF(QPointF(rect.topLeft()) * ratio, QSizeF(rect.size()) * ratio).toAlignedRect();
    return device;
}

// The clip a repaint of `area` is painted under: the rectangle around the area alone. Qt's raster
// engine sends every span of a line, a fill or a picture through a clip of many rectangles one
// by one, and takes its fast paths under a single one. The painting paints every pixel of the
// area afresh, and draws a line or a circle that reaches the area whole, so that the pixels
// around the area may come out other than the screen shows them; only the area is sent, and
// every pixel sent is painted in the same repaint, so those are never shown. At a ratio of a
// fraction of a device pixel, though, Qt blends the rows of a picture that it lays between
// device pixels by another rule under one rectangle than under many, and the circles' edges
// would come out a shade apart from before; there the area itself is the clip.
QRegion clipFor(const QRegion& area, double ratio)
{
    return ratio == std::floor(ratio) ? QRegion(area.boundingRect()) : area;
}

} // namespace

std::unique_ptr<X11Surface> X11Surface::create(QWidget& window)
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection || !serverTakesRgb32(connection))
        return nullptr;
    return std::unique_ptr<X11Surface>(new X11Surface(window, connection));
}

X11Surface::X11Surface(QWidget& window, xcb_connection_t* connection)
    : m_window(window)
    , m_connection(connection)
    , m_largestRequest(std::size_t(xcb_get_maximum_request_length(connection)) * 4)
{
}

// When the process winds down the connection may be gone before the window; the server frees
// the context with the connection.
X11Surface::~X11Surface()
{
    if (m_context && qGuiApp)
        xcb_free_gc(m_connection, m_context);
}

void X11Surface::paint(const QRegion& area, const Painting& painting)
{
    if (!m_context) {
        m_context = xcb_generate_id(m_connection);
        xcb_create_gc(m_connection, m_context, std::uint32_t(m_window.winId()), 0, nullptr);
    }
    const double ratio = m_window.devicePixelRatio();
    const QSize size = (QSizeF(m_window.size()) * ratio).toSize();
    if (m_image.size() != size)
        m_image = QImage(size, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(ratio);
    const QRegion device = toDevice(area, ratio).intersected(m_image.rect());
    // As the window's own clip does in a paint event, the system clip keeps every pixel outside
    // it as it is, whatever the painting sets as its own clip. The painter's own clip is the same,
    // for Qt's strokes and fills look at that one when they choose their fast paths.
    const QRegion clip = clipFor(area, ratio);
    m_image.paintEngine()->setSystemClip(toDevice(clip, ratio).intersected(m_image.rect()));
    {
        QPainter painter(&m_image);
        painter.setClipRegion(clip);
        painting(painter, area);
    }
    for (const QRect& rect : device)
        send(rect);
    xcb_flush(m_connection);
}

// Sends the image's pixels of `rect` (device pixels), as many rows to a request as fit.
void X11Surface::send(const QRect& rect)
{
    const std::size_t rowBytes = std::size_t(rect.width()) * sizeof(std::uint32_t);
    const std::size_t bytes = std::min(kMostPixelBytes, m_largestRequest - kPutImageHeaderBytes);
    const int rowsPerRequest = std::max(1, int(bytes / rowBytes));
    for (int row = 0; row < rect.height(); row += rowsPerRequest) {
        const int rows = std::min(rowsPerRequest, rect.height() - row);
        // The buffer only grows, so that it is never filled with zeros first.
        const std::size_t count = std::size_t(rect.width()) * rows;
        if (m_pixels.size() < count)
            m_pixels.resize(count);
        for (int line = 0; line < rows; ++line) {
            const auto* source = reinterpret_cast<const std::uint32_t*>(
                                     m_image.constScanLine(rect.y() + row + line)) +
                                 rect.x();
            std::copy_n(source, rect.width(),
                        m_pixels.begin() + std::ptrdiff_t(line) * rect.width());
        }
        xcb_put_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, std::uint32_t(m_window.winId()),
                      m_context, std::uint16_t(rect.width()), std::uint16_t(rows),
                      std::int16_t(rect.x()), std::int16_t(rect.y() + row), 0, kDepth,
                      std::uint32_t(rows * rowBytes),
                      reinterpret_cast<const std::uint8_t*>(m_pixels.data()));
    }
}
