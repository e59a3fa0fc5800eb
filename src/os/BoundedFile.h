#pragma once

#include "Platform.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// Opens the files that anyone may have put in the program's way: only regular files (a link
// to one is fine), never by blocking on a device or a pipe, and never reading past a bound.
// Paths are UTF-8 on Windows, the file system's own bytes elsewhere.
namespace os::boundedFile {

// At most `limit` bytes from the start of a regular file; nothing when the path is missing,
// unreadable or no regular file. Anything past the bound is not read.
std::optional<std::string> read(const std::string& path, std::size_t limit);
// The start of a settings-sized text file, at most tk::kTextFileLimit bytes of it, as read()
// gives it.
inline std::optional<std::string> readText(const std::string& path)
{
    return read(path, tk::kTextFileLimit);
}
// The whole of a regular file, opened as read() opens it; nothing when read() would refuse it,
// when it is larger than `limit` bytes, or when it cannot be read to its end. Only its own
// size is allocated for it.
std::optional<std::string> readWhole(const std::string& path, std::uint64_t limit);
// Whether a file may be written at the path: nothing is there yet, or a regular file (or a
// link to one). A device, a pipe, a folder or a dangling link is the user's, and is neither
// replaced nor written through.
bool mayWrite(const std::string& path);

} // namespace os::boundedFile
