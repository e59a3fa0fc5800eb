#pragma once

#include "PathText.h"

#include <string>
#include <string_view>

// The background picture: a file of a fixed name in the settings folder, only ever read.
struct BackgroundPicture {
    static constexpr std::string_view kFileName = "Tikora_Clock_bg.jpg";

    static std::string pathIn(const std::string& folder)
    {
        return tk::path::join(folder, kFileName);
    }
};
