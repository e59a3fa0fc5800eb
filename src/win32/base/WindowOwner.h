#pragma once

#include <windows.h>

// The object behind a window of one of the program's own classes, which it created with itself
// as the creation parameter: kept in the window's user data at WM_NCCREATE and read back at
// every later message. Null before WM_NCCREATE, and after the object has let the window go.
template <class Owner> Owner* windowOwner(HWND window, UINT message, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    return reinterpret_cast<Owner*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
}
