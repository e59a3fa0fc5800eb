#include "ScaleRange.h"

#include "QtText.h"
#include "ScaleClamp.h"
#include "Units.h"

#include <QByteArray>
#include <QScreen>

#include <cstdlib>

#include <xcb/xcb.h>

namespace {

constexpr char kScaleFactor[] = "QT_SCALE_FACTOR";
constexpr char kFontDpi[] = "QT_FONT_DPI";
// The dots per inch of a layout pixel.
constexpr int kLayoutDpi = int(tk::Units::kStandardDotsPerInch);

// Screen pixels for each pixel of the layout.
double scaleOn(const QScreen& screen)
{
    return screen.devicePixelRatio() * screen.logicalDotsPerInch() / kLayoutDpi;
}

// The largest device pixel ratio at which the smallest layout fits the screen, but at least 1.
double largestOn(const QScreen& screen)
{
    const QSizeF pixels = QSizeF(screen.size()) * screen.devicePixelRatio();
    return ScaleClamp::largestRatio(pixels.width(), pixels.height());
}

QString percent(double scale)
{
    return toQt(ScaleClamp::percent(scale));
}

double numberIn(const char* variable, double otherwise)
{
    bool isNumber = false;
    const double value = qgetenv(variable).toDouble(&isNumber);
    return isNumber ? value : otherwise;
}

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

// The dots per inch that Qt takes the scale from when the desktop gives them.
int desktopDpi()
{
    const int forced = qEnvironmentVariableIntValue(kFontDpi);
    if (forced <= 0 && qgetenv("QT_QPA_PLATFORM").startsWith("xcb"))
        return xftDpi();
    return forced;
}

} // namespace

void ScaleRange::prepare()
{
    const QByteArray factor = qgetenv(kScaleFactor);
    const double value = numberIn(kScaleFactor, 1);
    if (!ScaleClamp::isScale(value)) {
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
    const double held = ScaleClamp::held(ratio, largestOn(*screen));
    if (ScaleClamp::sameRatio(ratio, held))
        return false;
    if (m_desktopScale.isEmpty())
        m_desktopScale = percent(scaleOn(*screen));
    // Qt's ratio is QT_SCALE_FACTOR times what the desktop gives, so a factor changed by the
    // ratio's distance from its range brings it there.
    const double next = ScaleClamp::nextFactor(numberIn(kScaleFactor, 1), ratio, held);
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
