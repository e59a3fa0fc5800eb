#include "PrimaryMonitor.h"

#include <shellscalingapi.h>

namespace {

HMONITOR primary()
{
    return ::MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY);
}

} // namespace

namespace PrimaryMonitor {

RECT area()
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    ::GetMonitorInfoW(primary(), &info);
    return info.rcMonitor;
}

tk::Units units()
{
    UINT x = 0;
    UINT y = 0;
    if (FAILED(::GetDpiForMonitor(primary(), MDT_EFFECTIVE_DPI, &x, &y)) || x == 0)
        return tk::Units();
    return tk::Units::forDotsPerInch(x);
}

} // namespace PrimaryMonitor
