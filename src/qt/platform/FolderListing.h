#pragma once

#include <QByteArray>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

// What the picture chooser lists of the machine's folders: the volumes a user would pick, the
// folders of a folder, and the plain, visible files a wildcard matches, every list sorted
// without regard to case. Names and paths are the file system's own bytes from end to end, so
// that a name that is no valid UTF-8 is listed, and opened, as it is.
class FolderListing {
public:
    using Names = std::vector<std::string>;
    // Why a folder cannot be opened, or an empty text when it can.
    using OpenCheck = std::function<std::string(const std::string& folder)>;
    // How long a drive may take to answer before it counts as not available.
    static constexpr std::chrono::milliseconds kDrivePatience{500};

    // "/" and the home folder first, then the mounted volumes that hold a user's files. The
    // mounts are read from the kernel's table alone: a mount whose server has gone away blocks
    // whoever asks it anything, so none is asked.
    static Names drives();
    // The same from the text of a mount table (the format of /proc/self/mountinfo).
    static Names drivesFrom(const QByteArray& mountTable, const std::string& home);
    static Names folders(const std::string& folder);
    // "folder/" lists every file of the folder, "folder/*.gif" those the wildcard matches
    // (without regard to case), "folder/name" the file itself when it exists.
    static Names files(const std::string& pattern);
    // Why a drive cannot be opened, or an empty text when it can. The drive is asked on a
    // thread of its own, and one that has not answered within `patience` is not available.
    static std::string openFailure(const std::string& drive, const OpenCheck& check = whyNotOpen,
                                   std::chrono::milliseconds patience = kDrivePatience);
    static std::string whyNotOpen(const std::string& folder);
    // Whether a wildcard of "*" and "?" matches a name, without regard to the case of ASCII
    // letters. A mismatch after a "*" lets that star take one more character, so the time
    // grows with the product of the lengths, never exponentially with the stars.
    static bool matches(std::string_view wildcard, std::string_view name);
};
