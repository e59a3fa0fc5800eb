#pragma once

#include <string>

// Where the settings and the background picture live on Windows, by the shared rules: beside a
// portable copy, and in %APPDATA%\Tikora Clock\ for a copy installed in a folder of the
// system's (the Windows folder, System32 among it, or Program Files).
namespace SettingsPlace {

// The settings folder of a program in `programFolder`, made when it is the user's own.
std::string locate(const std::string& programFolder);
// The folder the picture chooser opens in when no stored picture names one.
std::string pictureFolder(const std::string& settingsFolder, const std::string& programFolder);

} // namespace SettingsPlace
