#include "ThreadWindows.h"

#include <string_view>

namespace {

struct ClassSearch {
    std::wstring_view className;
    HWND last = nullptr;
};

} // namespace

namespace ThreadWindows {

std::vector<HWND> shownAndEnabled()
{
    std::vector<HWND> windows;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM list) -> BOOL {
            if (::IsWindowVisible(window) && ::IsWindowEnabled(window))
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

HWND lastShownOfClass(const wchar_t* className)
{
    ClassSearch search{className};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM state) -> BOOL {
            auto* search = reinterpret_cast<ClassSearch*>(state);
            wchar_t name[256] = {};
            const int length = ::GetClassNameW(window, name, 256);
            if (::IsWindowVisible(window) &&
                std::wstring_view(name, static_cast<std::size_t>(length)) == search->className)
                search->last = window;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.last;
}

} // namespace ThreadWindows
