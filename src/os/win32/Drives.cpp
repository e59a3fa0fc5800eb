#include "Drives.h"

#include "QuietErrors.h"
#include "WideText.h"

#include <windows.h>

#include <array>

namespace os {

namespace {

// The label of a drive that answers at once: a fixed disk or a RAM disk. A floppy or CD
// drive may spin up or wait for its medium, and a network drive for its server, so those
// are not asked.
std::string labelOf(const std::wstring& root)
{
    const UINT type = ::GetDriveTypeW(root.c_str());
    if (type != DRIVE_FIXED && type != DRIVE_RAMDISK)
        return {};
    const QuietErrors quiet;
    std::array<wchar_t, MAX_PATH + 1> label{};
    if (!::GetVolumeInformationW(root.c_str(), label.data(), static_cast<DWORD>(label.size()),
                                 nullptr, nullptr, nullptr, nullptr, 0))
        return {};
    return wideText::toUtf8(label.data());
}

} // namespace

std::vector<Drive> drives()
{
    // A drive that comes between the two calls makes the list longer than the room asked for;
    // the call then says how much it needs, and is made again.
    std::wstring roots;
    DWORD length = ::GetLogicalDriveStringsW(0, nullptr);
    do {
        roots.assign(length, L'\0');
        length = ::GetLogicalDriveStringsW(static_cast<DWORD>(roots.size()), roots.data());
    } while (length > roots.size());
    roots.resize(length);
    std::vector<Drive> list;
    // The roots stand one after another, each ended by a null character.
    for (std::size_t start = 0; start < roots.size();) {
        const std::size_t end = roots.find(L'\0', start);
        const std::wstring root = roots.substr(start, end - start);
        if (!root.empty())
            list.push_back({wideText::toUtf8(root), labelOf(root)});
        if (end == std::wstring::npos)
            break;
        start = end + 1;
    }
    return list;
}

} // namespace os
