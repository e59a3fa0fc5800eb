// Looks at the screen saver's dialogs from beside it, under Wine:
//   FormProbe point TITLE CAPTION    prints the screen position "x y" of the middle of the
//                                    control captioned CAPTION in the window titled TITLE
//   FormProbe row TITLE ENTRY        prints the screen position "x y" of the middle of the row
//                                    ENTRY of a list in the window titled TITLE, scrolled into
//                                    sight
//   FormProbe rows TITLE             prints the rows of the drop-down lists of the window, one
//                                    a line, in UTF-8
//   FormProbe settings FILE LINE...  compares FILE byte for byte with the default settings file
//                                    with LINEs ("ViewTime=1") changed
//   FormProbe write FILE LINE...     writes that settings file
// Ends with 0 when it found or matched, else prints why and ends with 1. Captions and titles
// are plain ASCII, which the command line carries unchanged.
#include "WorkedExamples.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Search {
    std::wstring caption;
    HWND found = nullptr;
};

std::wstring wide(const char* text)
{
    return std::wstring(text, text + std::char_traits<char>::length(text));
}

BOOL CALLBACK matchCaption(HWND child, LPARAM state)
{
    auto* search = reinterpret_cast<Search*>(state);
    // A text field of another process tells its text only when asked with a message.
    wchar_t text[256] = {};
    ::SendMessageW(child, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    if (search->caption != text || !::IsWindowVisible(child))
        return TRUE;
    search->found = child;
    return FALSE;
}

HWND windowTitled(const char* title)
{
    const HWND form = ::FindWindowW(nullptr, wide(title).c_str());
    if (!form)
        std::printf("no window titled %s\n", title);
    return form;
}

int point(const char* title, const char* caption)
{
    const HWND form = windowTitled(title);
    if (!form)
        return 1;
    Search search{wide(caption)};
    ::EnumChildWindows(form, matchCaption, reinterpret_cast<LPARAM>(&search));
    if (!search.found) {
        std::printf("no control captioned %s\n", caption);
        return 1;
    }
    RECT place;
    ::GetWindowRect(search.found, &place);
    std::printf("%ld %ld\n", (place.left + place.right) / 2, (place.top + place.bottom) / 2);
    return 0;
}

struct Lists {
    const wchar_t* className;
    std::vector<HWND> found;
};

BOOL CALLBACK matchClass(HWND child, LPARAM state)
{
    auto* lists = reinterpret_cast<Lists*>(state);
    wchar_t name[64] = {};
    ::GetClassNameW(child, name, 64);
    if (::lstrcmpiW(name, lists->className) == 0 && ::IsWindowVisible(child))
        lists->found.push_back(child);
    return TRUE;
}

std::vector<HWND> listsOf(HWND form, const wchar_t* className)
{
    Lists lists{className, {}};
    ::EnumChildWindows(form, matchClass, reinterpret_cast<LPARAM>(&lists));
    return lists.found;
}

int row(const char* title, const char* entry)
{
    const HWND form = windowTitled(title);
    if (!form)
        return 1;
    for (const HWND list : listsOf(form, L"LISTBOX")) {
        const LRESULT found = ::SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                             reinterpret_cast<LPARAM>(wide(entry).c_str()));
        if (found < 0)
            continue;
        ::SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(found), 0);
        RECT place{};
        ::SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(found),
                       reinterpret_cast<LPARAM>(&place));
        ::MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&place), 2);
        std::printf("%ld %ld\n", (place.left + place.right) / 2, (place.top + place.bottom) / 2);
        return 0;
    }
    std::printf("no row %s\n", entry);
    return 1;
}

int rows(const char* title)
{
    const HWND form = windowTitled(title);
    if (!form)
        return 1;
    for (const HWND list : listsOf(form, L"COMBOBOX")) {
        const auto count = static_cast<int>(::SendMessageW(list, CB_GETCOUNT, 0, 0));
        for (int at = 0; at < count; ++at) {
            wchar_t text[512] = {};
            if (::SendMessageW(list, CB_GETLBTEXTLEN, at, 0) >= 512)
                continue;
            ::SendMessageW(list, CB_GETLBTEXT, at, reinterpret_cast<LPARAM>(text));
            char utf8[2048] = {};
            ::WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
            std::printf("%s\n", utf8);
        }
    }
    return 0;
}

int write(const char* path, const std::vector<std::string>& lines)
{
    std::ofstream file(path, std::ios::binary);
    file << worked::settingsWith(lines);
    return file.good() ? 0 : 1;
}

int settings(const char* path, const std::vector<std::string>& lines)
{
    std::ifstream file(path, std::ios::binary);
    const std::string written{std::istreambuf_iterator<char>(file), {}};
    const std::string expected = worked::settingsWith(lines);
    if (written == expected)
        return 0;
    std::printf("written:\n%s\nexpected:\n%s\n", written.c_str(), expected.c_str());
    return 1;
}

} // namespace

int main(int count, char** words)
{
    const std::string mode = count > 1 ? words[1] : "";
    if (mode == "point" && count == 4)
        return point(words[2], words[3]);
    if (mode == "settings" && count >= 3)
        return settings(words[2], std::vector<std::string>(words + 3, words + count));
    if (mode == "write" && count >= 3)
        return write(words[2], std::vector<std::string>(words + 3, words + count));
    if (mode == "row" && count == 4)
        return row(words[2], words[3]);
    if (mode == "rows" && count == 3)
        return rows(words[2]);
    std::printf("usage: FormProbe point TITLE CAPTION | row TITLE ENTRY | rows TITLE | "
                "settings FILE LINE... | write FILE LINE...\n");
    return 1;
}
