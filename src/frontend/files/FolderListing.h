#pragma once

#include "Platform.h"

#include <string>
#include <string_view>
#include <vector>

// What the picture chooser lists of a folder: its folders, and the plain, visible files a
// wildcard matches, every list in the names' order (NameOrder.h). Names and paths are UTF-8
// (on Linux the file system's own bytes, listed and opened as they are even when they are no
// valid UTF-8).
namespace FolderListing {

using Names = std::vector<std::string>;
Names folders(const std::string& folder);
// "folder/" lists every file of the folder, "folder/*.gif" those the wildcard matches
// (without regard to case), "folder/name" the file itself when it exists.
Names files(const std::string& pattern);
// Whether a wildcard of "*" and "?" matches a name, without regard to the case of ASCII
// letters. A mismatch after a "*" lets that star take one more character, so the time grows
// with the product of the lengths, never exponentially with the stars.
bool matches(std::string_view wildcard, std::string_view name);

} // namespace FolderListing
