#include "ClockFace.h"

ClockFace::ClockFace(std::string name, tk::Platform& platform)
    : tk::Window(std::move(name))
    , lblF1(*this, "lblF1")
    , Timer4(*this, "Timer4")
    , TimerSHOW(*this, "TimerSHOW")
    , Pict(*this, "Pict")
    , picTMP1(*this, "picTMP1")
    , ShapeS(*this, "ShapeS")
    , LineS(*this, "LineS")
    , lblS(*this, "lblS")
    , ComDial(platform)
{
}
