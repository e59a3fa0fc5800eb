#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>

// What the picture chooser lists of the machine's folders: the volumes a user would pick, the
// folders of a folder, and the plain, visible files a wildcard matches, every list sorted
// without regard to case.
class FolderListing {
public:
    // Why a folder cannot be opened, or an empty text when it can.
    using OpenCheck = std::function<QString(const QString& folder)>;
    // How long a drive may take to answer before it counts as not available.
    static constexpr std::chrono::milliseconds kDrivePatience{500};

    // "/" and the home folder first, then the mounted volumes that hold a user's files. The
    // mounts are read from the kernel's table alone: a mount whose server has gone away blocks
    // whoever asks it anything, so none is asked.
    static QStringList drives();
    // The same from the text of a mount table (the format of /proc/self/mountinfo).
    static QStringList drivesFrom(const QByteArray& mountTable, const QString& home);
    static QStringList folders(const QString& folder);
    // "folder/" lists every file of the folder, "folder/*.gif" those the wildcard matches
    // (without regard to case), "folder/name" the file itself when it exists.
    static QStringList files(const QString& pattern);
    // Why a drive cannot be opened, or an empty text when it can. The drive is asked on a
    // thread of its own, and one that has not answered within `patience` is not available.
    static QString openFailure(const QString& drive, const OpenCheck& check = whyNotOpen,
                               std::chrono::milliseconds patience = kDrivePatience);
    static QString whyNotOpen(const QString& folder);
};
