#pragma once

#include "SlideShow.h"

#include <optional>
#include <string_view>

// The slide period typed into the picture chooser, in seconds, or nothing when it is rejected:
// when it holds a Latin letter, a Cyrillic letter from а to я or А to Я, a comma or a minus;
// when it does not read as a number; or when it is longer than a day. "0" passes and means
// a still slide timer. Any bytes are safe to pass, also text that is not valid UTF-8.
std::optional<float> parseSlidePeriod(std::string_view text);
