#pragma once

#include <QString>
#include <QStringList>

// What the picture chooser lists of the machine's folders: the volumes a user would pick, the
// folders of a folder, and the plain, visible files a wildcard matches, every list sorted
// without regard to case.
class FolderListing {
public:
    // "/" and the home folder first, then the mounted volumes that hold a user's files.
    static QStringList drives();
    static QStringList folders(const QString& folder);
    // "folder/" lists every file of the folder, "folder/*.gif" those the wildcard matches
    // (without regard to case), "folder/name" the file itself when it exists.
    static QStringList files(const QString& pattern);
    // Why a drive cannot be opened, or an empty text when it can.
    static QString openFailure(const QString& drive);
};
