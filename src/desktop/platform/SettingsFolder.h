#pragma once

#include <QString>

// Where the settings file and the background picture live. A portable copy keeps them beside
// the program: its folder can be written, or already holds the settings file. An installed
// copy, in a folder the user cannot write, keeps them in $XDG_CONFIG_HOME/tikora-clock
// (~/.config/tikora-clock when the variable is unset), which is made when missing.
class SettingsFolder {
public:
    static QString locate();
};
