// Looks at the screen saver's dialogs from beside it, under Wine:
//   FormProbe point TITLE CAPTION    prints the screen position "x y" of the middle of the
//                                    control captioned CAPTION in the window titled TITLE
//   FormProbe settings FILE LINE...  compares FILE byte for byte with the default settings file
//                                    with LINEs ("ViewTime=1") changed
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
    wchar_t text[256] = {};
    ::GetWindowTextW(child, text, 256);
    if (search->caption != text || !::IsWindowVisible(child))
        return TRUE;
    search->found = child;
    return FALSE;
}

int point(const char* title, const char* caption)
{
    const HWND form = ::FindWindowW(nullptr, wide(title).c_str());
    if (!form) {
        std::printf("no window titled %s\n", title);
        return 1;
    }
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
    std::printf("usage: FormProbe point TITLE CAPTION | settings FILE LINE...\n");
    return 1;
}
