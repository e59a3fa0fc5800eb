#include "SettingsFolder.h"

#include "PathText.h"

#include <filesystem>

namespace SettingsFolder {

namespace {

// The path without "." and ".." and doubled separators, and without a trailing separator
// but at a root.
std::string cleaned(const std::string& path)
{
    const std::u8string text = std::filesystem::path(std::u8string(path.begin(), path.end()))
                                   .lexically_normal()
                                   .u8string();
    return tk::path::normalised(std::string(text.begin(), text.end()));
}

} // namespace

std::string locate(const Facts& facts)
{
    // Without a configuration folder the program's own is the only place there is; a run that
    // cannot write there runs on its defaults, and a save says it failed.
    if (facts.programFolderWritable || facts.settingsBesideProgram ||
        facts.userConfigFolder.empty())
        return facts.programFolder;
    return cleaned(tk::path::join(facts.userConfigFolder, kFolderName));
}

std::string pictureFolder(const PictureFacts& facts)
{
    if (cleaned(facts.settingsFolder) == cleaned(facts.programFolder))
        return facts.programFolder;
    return !facts.picturesFolder.empty() && facts.picturesFolderExists ? facts.picturesFolder
                                                                       : facts.homeFolder;
}

} // namespace SettingsFolder
