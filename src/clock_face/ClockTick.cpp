#include "Form1.h"

#include "NumberText.h"
#include "Platform.h"
#include "TikoraClock.h"

namespace {

constexpr int kSecondsPerDay = 24 * 60 * 60;
// One sixtieth of a turn, to five places, as the face has always turned.
constexpr double kSixDegrees = 0.10472;
constexpr std::int16_t kMaxTicks = 32767;
constexpr std::int16_t kHintTicks = 9;

} // namespace

void Form1::Timer4_Timer()
{
    tk::Platform& platform = m_run.platform();
    if (TickCount < kMaxTicks)
        ++TickCount;

    ShownTime = platform.timeOfDay();
    if (m.ViewTime != 0) {
        ShownTime -= StartTime;
        if (ShownTime < 0)
            ShownTime += kSecondsPerDay;
    }
    lblS[0].setCaption(std::to_string(ShownTime % 60));
    lblS[1].setCaption(std::to_string(ShownTime / 60 % 60));
    lblS[2].setCaption(std::to_string(ShownTime / 3600));

    // The circles follow the time of day in both modes; only the hour's fraction comes from
    // the minute figure just written.
    const int now = platform.timeOfDay();
    const int second = now % 60;
    const int minute = now / 60 % 60;
    const int hour = now / 3600;
    const double shownMinute = tk::parseNumber(lblS[1].caption()).value_or(0);
    Angles[0] = static_cast<float>((second - 15) * kSixDegrees);
    Angles[1] = static_cast<float>((minute - 15) * kSixDegrees);
    Angles[2] = static_cast<float>(((hour - 3) * 5 + shownMinute / 12) * kSixDegrees);

    if (TickCount < kHintTicks) {
        const int grey = 90 - 10 * TickCount;
        lblF1.setForeColor(tk::rgb(grey, grey, grey));
    } else {
        lblF1.setVisible(false);
    }
    Do_Lines();
}
