#pragma once

#include <QString>

// Where the settings file and the background picture live. A portable copy keeps them beside
// the program: its folder can be written, or already holds the settings file. An installed
// copy, in a folder the user cannot write, keeps them in $XDG_CONFIG_HOME/tikora-clock
// (~/.config/tikora-clock when the variable is unset), which is made when missing.
class SettingsFolder {
public:
    static QString locate();
    // Where the picture chooser opens when no stored picture names a folder: for a portable
    // copy, which keeps its settings in its own folder, that folder; for an installed copy the
    // user's pictures folder, or the home folder when there is none.
    static QString pictureFolder(const QString& settingsFolder, const QString& programFolder);
};
