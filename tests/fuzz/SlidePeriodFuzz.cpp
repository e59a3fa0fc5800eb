#include "SlidePeriod.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

// Any bytes typed into the slide-period field give a period the slide timer can take, or a
// rejection; a Latin letter, a comma or a minus is always rejected.

namespace {

void require(bool holds)
{
    if (!holds)
        __builtin_trap();
}

// Latin letters, the comma and the minus.
constexpr std::string_view kRejected = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ,-";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto period = parseSlidePeriod(text);
    if (!period)
        return 0;
    require(std::isfinite(*period) && *period >= 0 && *period <= kLongestSlidePeriod);
    require(text.find_first_of(kRejected) == std::string_view::npos);
    return 0;
}
