#pragma once

#include <cstdint>

// When the clock's aligned timer fires: just after each whole second of the wall clock begins,
// so that reading the time of day in the tick surely gives the new second.
namespace TickSchedule {

// How long after the start of a second the aligned tick arrives.
inline constexpr int kSecondStartMargin = 5;

// Milliseconds from `now`, the wall clock's time in milliseconds since any whole second (such
// as the epoch), until shortly after the next whole second begins.
int delayToNextSecond(std::int64_t now);

} // namespace TickSchedule
