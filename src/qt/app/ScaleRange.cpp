#include "ScaleRange.h"

#include "Units.h"

#include <QByteArray>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#ifndef _WIN32
#include <xcb/xcb.h>
#endif

namespace {

constexpr char kScaleFactor[] = "QT_SCALE_FACTOR";
constexpr char kFontDpi[] = "QT_FONT_DPI";
// Ratios this close are the same: Qt's own sums round.
constexpr double kSameRatio = 1e-3;
constexpr double kPercent = 100;
// The dots per inch of a layout pixel.
constexpr int kLayoutDpi = int(tk::Units::kStandardDotsPerInch);
// The smallest screen, in layout pixels, that the face and the dialogs still fit: a desktop
// at 200 % on a 1920 x 1080 screen leaves 960 x 540 of them, and is kept.
constexpr QSize kSmallestLayout{640, 480};

// Screen pixels for each pixel of the layout.
double scaleOn(const QScreen& screen)
{
    return screen.devicePixelRatio() * screen.logicalDotsPerInch() / kLayoutDpi;
}

// The largest device pixel ratio at which the smallest layout fits the screen, but at least 1.
double largestOn(const QScreen& screen)
{
    const QSizeF pixels = QSizeF(screen.size()) * screen.devicePixelRatio();
    const QSize layout = kSmallestLayout;
    return std::max(1.0,
                    std::min(pixels.width() / layout.width(), pixels.height() / layout.height()));
}

QString percent(double scale)
{
    return QString::number(std::lround(scale * kPercent)) + " %";
}

double numberIn(const char* variable, double otherwise)
{
    bool isNumber = false;
    const double value = qgetenv(variable).toDouble(&isNumber);
    return isNumber ? value : otherwise;
}

#ifndef _WIN32
// The X resources of the root window of screen `number`, as xrdb sets them.
QByteArray rootResources(xcb_connection_t* connection, int number)
{
    constexpr uint32_t kMostResourceWords = 1 << 16;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < number && screens.rem > 0; ++i)
        xcb_screen_next(&screens);
    if (screens.rem <= 0)
        return {};
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, screens.data->root, XCB_ATOM_RESOURCE_MANAGER,
                         XCB_ATOM_STRING, 0, kMostResourceWords),
        nullptr);
    QByteArray resources;
    if (reply)
        resources = QByteArray(static_cast<const char*>(xcb_get_property_value(reply)),
                               xcb_get_property_value_length(reply));
    std::free(reply);
    return resources;
}

// The dots per inch that the X resource Xft.dpi gives the screen that Qt opens, as Qt reads
// them, or 0 when none are given.
int xftDpi()
{
    const QByteArray key = "Xft.dpi:";
    int number = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &number);
    const QByteArray resources =
        xcb_connection_has_error(connection) == 0 ? rootResources(connection, number) : "";
    xcb_disconnect(connection);
    for (const QByteArray& line : resources.split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().toInt();
    }
    return 0;
}
#endif

// The dots per inch that Qt takes the scale from when the desktop gives them.
int desktopDpi()
{
    const int forced = qEnvironmentVariableIntValue(kFontDpi);
#ifndef _WIN32
    if (forced <= 0 && qgetenv("QT_QPA_PLATFORM").startsWith("xcb"))
        return xftDpi();
#endif
    return forced;
}

} // namespace

void ScaleRange::prepare()
{
    const QByteArray factor = qgetenv(kScaleFactor);
    const double value = numberIn(kScaleFactor, 1);
    if (!(std::isfinite(value) && value > 0)) {
        m_desktopScale = QString(kScaleFactor) + '=' + QString::fromLocal8Bit(factor);
        qunsetenv(kScaleFactor);
    }
    // Below 96 dots per inch Qt leaves the device pixel ratio at 1 and shrinks the logical
    // dots per inch instead, down to a layout too small to see.
    const int dpi = desktopDpi();
    if (dpi > 0 && dpi < kLayoutDpi) {
        if (m_desktopScale.isEmpty())
            m_desktopScale = percent(double(dpi) / kLayoutDpi);
        qputenv(kFontDpi, QByteArray::number(kLayoutDpi));
    }
}

bool ScaleRange::needsNewStart(const QScreen* screen)
{
    if (!screen || m_starts >= kMostStarts)
        return false;
    const double ratio = screen->devicePixelRatio();
    const double held = std::isfinite(ratio) ? std::clamp(ratio, 1.0, largestOn(*screen)) : 1.0;
    if (std::abs(held - ratio) <= kSameRatio * held)
        return false;
    if (m_desktopScale.isEmpty())
        m_desktopScale = percent(scaleOn(*screen));
    // Qt's ratio is QT_SCALE_FACTOR times what the desktop gives, so a factor changed by the
    // ratio's distance from its range brings it there.
    const double next = numberIn(kScaleFactor, 1) * held / ratio;
    qputenv(kScaleFactor, QByteArray::number(next, 'g', 12));
    ++m_starts;
    return true;
}

std::string ScaleRange::message(const QScreen* screen) const
{
    if (m_desktopScale.isEmpty() || !screen)
        return {};
    return QString("the desktop's scale (%1) is out of range; the clock is drawn at %2")
        .arg(m_desktopScale, percent(scaleOn(*screen)))
        .toStdString();
}
