// Looks at the screen saver's dialogs from beside it, under Wine:
//   FormProbe point TITLE CAPTION    prints the screen position "x y" of the middle of the
//                                    control captioned CAPTION in the window titled TITLE
//   FormProbe row TITLE ENTRY        prints the screen position "x y" of the middle of the row
//                                    ENTRY of a list in the window titled TITLE, scrolled into
//                                    sight
//   FormProbe rows TITLE             prints the rows of the drop-down lists of the window, one
//                                    a line, in UTF-8
//   FormProbe write FILE LINE...     writes the default settings file with LINEs
//                                    ("ViewTime=1") changed to FILE
// Ends with 0 when it found or wrote, else prints why and ends with 1. Captions and titles
// are plain ASCII, which the command line carries unchanged.
#include "WorkedExamples.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::wstring wide(const char* text)
{
    return std::wstring(text, text + std::char_traits<char>::length(text));
}

BOOL CALLBACK collectVisible(HWND child, LPARAM found)
{
    if (::IsWindowVisible(child))
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
    return TRUE;
}

// The visible controls of the window, or those of the class given.
std::vector<HWND> controlsOf(HWND form, const wchar_t* className = nullptr)
{
    std::vector<HWND> all;
    ::EnumChildWindows(form, collectVisible, reinterpret_cast<LPARAM>(&all));
    std::erase_if(all, [className](HWND child) {
        wchar_t name[64] = {};
        ::GetClassNameW(child, name, 64);
        return className && ::lstrcmpiW(name, className) != 0;
    });
    return all;
}

int printMiddle(const RECT& place)
{
    std::printf("%ld %ld\n", (place.left + place.right) / 2, (place.top + place.bottom) / 2);
    return 0;
}

int point(HWND form, const char* caption)
{
    for (const HWND control : controlsOf(form)) {
        // A text field of another process tells its text only when asked with a message.
        wchar_t text[256] = {};
        ::SendMessageW(control, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
        RECT place;
        if (wide(caption) == text && ::GetWindowRect(control, &place))
            return printMiddle(place);
    }
    std::printf("no control captioned %s\n", caption);
    return 1;
}

int row(HWND form, const char* entry)
{
    for (const HWND list : controlsOf(form, L"LISTBOX")) {
        const LRESULT found = ::SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                             reinterpret_cast<LPARAM>(wide(entry).c_str()));
        if (found < 0)
            continue;
        ::SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(found), 0);
        RECT place{};
        ::SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(found),
                       reinterpret_cast<LPARAM>(&place));
        ::MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&place), 2);
        return printMiddle(place);
    }
    std::printf("no row %s\n", entry);
    return 1;
}

int rows(HWND form, const char*)
{
    for (const HWND list : controlsOf(form, L"COMBOBOX")) {
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

// The subcommands that look at a window, with the count of their words after the title.
struct Look {
    const char* mode;
    int words;
    int (*run)(HWND, const char*);
};
constexpr Look kLooks[] = {{"point", 1, point}, {"row", 1, row}, {"rows", 0, rows}};

} // namespace

int main(int count, char** words)
{
    const std::string mode = count > 1 ? words[1] : "";
    if (mode == "write" && count >= 3) {
        std::ofstream file(words[2], std::ios::binary);
        file << worked::settingsWith(std::vector<std::string>(words + 3, words + count));
        return file.good() ? 0 : 1;
    }
    for (const Look& look : kLooks) {
        if (mode != look.mode || count != 3 + look.words)
            continue;
        if (const HWND form = ::FindWindowW(nullptr, wide(words[2]).c_str()))
            return look.run(form, words[3]);
        std::printf("no window titled %s\n", words[2]);
        return 1;
    }
    std::printf("usage: FormProbe point TITLE CAPTION | row TITLE ENTRY | rows TITLE | "
                "write FILE LINE...\n");
    return 1;
}
