#include "BoundedFile.h"

#include "WideText.h"

#include <windows.h>

#include <algorithm>

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

} // namespace

std::optional<std::string> read(const std::string& path, std::size_t limit)
{
    const HANDLE file = openDiskFile(path);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::string bytes;
    std::size_t filled = 0;
    constexpr std::size_t kChunk = 64 * 1024;
    bool failed = false;
    while (filled < limit) {
        bytes.resize(std::min(limit, filled + kChunk));
        DWORD count = 0;
        failed = !::ReadFile(file, bytes.data() + filled, static_cast<DWORD>(bytes.size() - filled),
                             &count, nullptr);
        if (failed || count == 0)
            break;
        filled += count;
    }
    ::CloseHandle(file);
    if (failed)
        return std::nullopt;
    bytes.resize(filled);
    return bytes;
}

std::optional<std::string> readWhole(const std::string& path, std::uint64_t limit)
{
    const HANDLE file = openDiskFile(path);
    LARGE_INTEGER size{};
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    if (!::GetFileSizeEx(file, &size) || std::uint64_t(size.QuadPart) > limit) {
        ::CloseHandle(file);
        return std::nullopt;
    }
    // A file that grows meanwhile is taken as far as its size was; one that shrinks, as far
    // as it goes.
    std::string bytes(std::size_t(size.QuadPart), '\0');
    std::size_t filled = 0;
    bool failed = false;
    while (filled < bytes.size()) {
        DWORD count = 0;
        failed = !::ReadFile(file, bytes.data() + filled, static_cast<DWORD>(bytes.size() - filled),
                             &count, nullptr);
        if (failed || count == 0)
            break;
        filled += count;
    }
    ::CloseHandle(file);
    if (failed)
        return std::nullopt;
    bytes.resize(filled);
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
