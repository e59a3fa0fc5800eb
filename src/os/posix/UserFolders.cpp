#include "UserFolders.h"

#include "BoundedFile.h"
#include "PathText.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace os::userFolders {

namespace {

constexpr std::size_t kUserDirsLimit = 64 * 1024;

std::string variable(const char* name)
{
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// The path with "." and ".." and doubled separators taken out, and no trailing separator but
// at the root, as Qt gives its paths.
std::string cleaned(const std::string& path)
{
    return tk::path::normalised(std::filesystem::path(path).lexically_normal().string());
}

// A folder that belongs to the user and that no one else may enter: made so when missing,
// and refused when it is a link, someone else's, or open to others.
bool ownPrivateFolder(const std::string& path)
{
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat status = {};
    return ::lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::geteuid() && (status.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

// The value of XDG_<key>_DIR in the user-dirs.dirs file, with "$HOME" read as the home
// folder; empty when the file does not name it. The file is looked for where Qt looked: in
// $XDG_CONFIG_HOME even when that is relative, so that the pictures folder stays the one
// the program opened before.
std::string userDir(const std::string& key)
{
    const std::string configured = variable("XDG_CONFIG_HOME");
    const std::string folder = configured.empty() ? tk::path::join(home(), ".config") : configured;
    const auto text = boundedFile::read(tk::path::join(folder, "user-dirs.dirs"), kUserDirsLimit);
    std::istringstream lines(text.value_or(""));
    const std::string start = "XDG_" + key + "_DIR=";
    std::string found;
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with(start))
            continue;
        std::string value = line.substr(start.size());
        if (value.size() > 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.starts_with("$HOME"))
            value = home() + value.substr(5);
        if (value.size() > 1 && value.back() == '/')
            value.pop_back();
        found = value;
    }
    return found;
}

} // namespace

std::string home()
{
    const std::string value = variable("HOME");
    return cleaned(value.empty() ? "/" : value);
}

std::string config()
{
    // A relative value is not a configuration folder, by the XDG base directory rules.
    const std::string configured = variable("XDG_CONFIG_HOME");
    if (!configured.empty() && configured.front() == '/')
        return configured;
    return tk::path::join(home(), ".config");
}

std::string pictures()
{
    const std::string listed = userDir("PICTURES");
    return listed.empty() ? tk::path::join(home(), "Pictures") : listed;
}

std::string privateTemp()
{
    const std::string temp = variable("TMPDIR");
    std::error_code error;
    const std::filesystem::path folder =
        std::filesystem::canonical(cleaned(temp.empty() ? "/tmp" : temp), error);
    if (error)
        return {};
    const std::string path =
        tk::path::join(folder.string(), "tikora-clock-" + std::to_string(::geteuid()));
    return ownPrivateFolder(path) ? path : std::string();
}

} // namespace os::userFolders
