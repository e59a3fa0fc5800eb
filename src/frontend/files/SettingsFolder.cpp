#include "SettingsFolder.h"

#include "PathText.h"

#include <algorithm>
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

// The folders that hold installed programs only, whoever may write them.
constexpr std::string_view kSystemFolders[] = {"/usr", "/opt"};

} // namespace

bool installedCopy(const std::string& programFolder, const std::string& installFolder)
{
    const std::string folder = cleaned(programFolder);
    if (!installFolder.empty() && folder == cleaned(installFolder))
        return true;
    // The system's folders are written with forward slashes, which Windows reads too.
    std::string generic = folder;
    std::replace(generic.begin(), generic.end(), '\\', '/');
    return std::any_of(std::begin(kSystemFolders), std::end(kSystemFolders),
                       [&generic](std::string_view system) {
                           return generic == system ||
                                  (generic.starts_with(system) && generic[system.size()] == '/');
                       });
}

std::string locate(const Facts& facts)
{
    // Without a configuration folder the program's own is the only place there is; a run that
    // cannot write there runs on its defaults, and a save says it failed.
    if (facts.userConfigFolder.empty())
        return facts.programFolder;
    if (!facts.installed && (facts.programFolderWritable || facts.settingsBesideProgram))
        return facts.programFolder;
    return cleaned(tk::path::join(facts.userConfigFolder, facts.folderName));
}

std::string pictureFolder(const PictureFacts& facts)
{
    if (cleaned(facts.settingsFolder) == cleaned(facts.programFolder))
        return facts.programFolder;
    return !facts.picturesFolder.empty() && facts.picturesFolderExists ? facts.picturesFolder
                                                                       : facts.homeFolder;
}

} // namespace SettingsFolder
