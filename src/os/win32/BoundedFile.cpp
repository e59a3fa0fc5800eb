#include "BoundedFile.h"

#include "WideText.h"

#include <windows.h>

namespace os::boundedFile {

namespace {

// A file on a disk opened for reading, links followed; INVALID_HANDLE_VALUE when the path is
// a folder, a device, a pipe or missing. Attributes are looked at first, so that no device
// is opened: opening some of them has effects of their own.
HANDLE openDiskFile(const std::string& path)
{
    const std::wstring wide = wideText::fromUtf8(path);
    const DWORD attributes =
        wide.empty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES ||
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0)
        return INVALID_HANDLE_VALUE;
    const HANDLE file = ::CreateFileW(wide.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return file;
    if (::GetFileType(file) != FILE_TYPE_DISK) {
        ::CloseHandle(file);
        return INVALID_HANDLE_VALUE;
    }
    return file;
}

// At most `limit` bytes from an open file, held in one block of that size, which the callers
// keep small or know the file to fill; nothing when a read fails.
std::optional<std::string> readUpTo(HANDLE file, std::size_t limit)
{
    std::string bytes(limit, '\0');
    std::size_t filled = 0;
    while (filled < limit) {
        DWORD count = 0;
        if (!::ReadFile(file, bytes.data() + filled, static_cast<DWORD>(bytes.size() - filled),
                        &count, nullptr))
            return std::nullopt;
        if (count == 0)
            break;
        filled += count;
    }
    bytes.resize(filled);
    return bytes;
}

} // namespace

std::optional<std::string> read(const std::string& path, std::size_t limit)
{
    const HANDLE file = openDiskFile(path);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::optional<std::string> bytes = readUpTo(file, limit);
    ::CloseHandle(file);
    return bytes;
}

// A file that grows meanwhile is taken as far as its size was; one that shrinks, as far as it
// goes.
std::optional<std::string> readWhole(const std::string& path, std::uint64_t limit)
{
    const HANDLE file = openDiskFile(path);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    LARGE_INTEGER size{};
    std::optional<std::string> bytes;
    if (::GetFileSizeEx(file, &size) && std::uint64_t(size.QuadPart) <= limit)
        bytes = readUpTo(file, std::size_t(size.QuadPart));
    ::CloseHandle(file);
    return bytes;
}

bool mayWrite(const std::string& path)
{
    const std::wstring wide = wideText::fromUtf8(path);
    if (wide.empty())
        return false;
    if (::GetFileAttributesW(wide.c_str()) == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    }
    const HANDLE file = openDiskFile(path);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    ::CloseHandle(file);
    return true;
}

} // namespace os::boundedFile
