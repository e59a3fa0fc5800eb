#pragma once

#include <QByteArray>

#include <memory>
#include <optional>
#include <string>

class QFile;

// Opens the files that anyone may have put in the program's way: only regular files (a link
// to one is fine), never by blocking on a device or a pipe, and never reading past a bound.
// Paths are the file system's own bytes.
class BoundedFile {
public:
    // The file opened for reading, or null when it is missing, unreadable or not a regular file.
    static std::unique_ptr<QFile> open(const std::string& path);
    // At most `limit` bytes from the start of the file; anything past them is not read.
    static std::optional<QByteArray> read(const std::string& path, qint64 limit);
    // Whether a file may be written at the path: nothing is there yet, or a regular file (or
    // a link to one). A device, a pipe, a folder or a dangling link is the user's, and is
    // neither replaced nor written through.
    static bool mayWrite(const std::string& path);
};
