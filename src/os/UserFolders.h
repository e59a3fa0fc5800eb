#pragma once

#include <string>

// The current user's own folders, as UTF-8 paths without a trailing separator. Empty where
// the system gives none.
namespace os::userFolders {

// $HOME on POSIX ("/" when unset); the profile folder on Windows.
std::string home();
// Where programs keep the user's settings: $XDG_CONFIG_HOME when it is an absolute path, else
// ~/.config; the roaming application data folder on Windows.
std::string config();
// The user's pictures folder: XDG_PICTURES_DIR of the user-dirs.dirs file in the
// configuration folder, else ~/Pictures, whether or not it exists; Windows' Pictures folder.
std::string pictures();
// A folder of the user's own in the system's temporary folder, made when missing (mode 0700
// on POSIX, refused when it is a link, someone else's, or open to others); empty when it
// cannot be had.
std::string privateTemp();

} // namespace os::userFolders
