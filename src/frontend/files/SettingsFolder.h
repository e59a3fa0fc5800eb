#pragma once

#include <string>
#include <string_view>

// Where the settings file and the background picture live, and where the picture chooser
// opens, decided on facts that the front end gathers from the operating system.
namespace SettingsFolder {

// The settings file's name; a copy of it beside the program makes that copy portable.
inline constexpr std::string_view kSettingsFile = "Tikora_Clock.ini";
// The settings' own folder in the user's configuration folder.
inline constexpr std::string_view kFolderName = "tikora-clock";
// Its name on Windows, where the user's folders are named as the programs call themselves.
inline constexpr std::string_view kWindowsFolderName = "Tikora Clock";

struct Facts {
    std::string programFolder;
    // An installed copy (installedCopy below) never keeps its settings beside itself.
    bool installed = false;
    bool programFolderWritable = false;
    // Whether the program's folder already holds the settings file.
    bool settingsBesideProgram = false;
    // The user's configuration folder (UserFolders.h), or an empty text when there is none.
    std::string userConfigFolder;
    // The name of the settings' own folder in it.
    std::string_view folderName = kFolderName;
};

// A portable copy keeps its settings beside the program: its folder can be written, or
// already holds the settings file. An installed copy keeps them in the user's configuration
// folder, in a folder of their own, which the front end makes when missing; so does root's,
// whose run could otherwise write a file beside the program that every user's copy reads.
std::string locate(const Facts& facts);

// Whether a program in `programFolder` is an installed copy: it runs from the folder it was
// installed to (`installFolder`, empty when unknown), or from a folder of the system's
// (/usr, /usr/local, /opt, or any folder below them).
bool installedCopy(const std::string& programFolder, const std::string& installFolder);

struct PictureFacts {
    std::string settingsFolder;
    std::string programFolder;
    // The user's pictures folder, and whether it is a folder that exists.
    std::string picturesFolder;
    bool picturesFolderExists = false;
    std::string homeFolder;
};

// Where the picture chooser opens when no stored picture names a folder: for a portable
// copy, which keeps its settings in its own folder, that folder; for an installed copy the
// user's pictures folder, or the home folder when there is none.
std::string pictureFolder(const PictureFacts& facts);

} // namespace SettingsFolder
