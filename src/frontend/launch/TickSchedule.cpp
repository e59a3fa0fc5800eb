#include "TickSchedule.h"

namespace {

constexpr std::int64_t kMillisecondsPerSecond = 1000;

} // namespace

int TickSchedule::delayToNextSecond(std::int64_t now)
{
    // A time before the origin lies as far into its second as the remainder's complement.
    const std::int64_t intoSecond =
        ((now % kMillisecondsPerSecond) + kMillisecondsPerSecond) % kMillisecondsPerSecond;
    return static_cast<int>(kMillisecondsPerSecond - intoSecond) + kSecondStartMargin;
}
