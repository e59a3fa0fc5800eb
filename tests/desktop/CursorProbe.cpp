#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <cstdio>

// Prints whether the pointer on $DISPLAY is drawn: "visible" when any pixel of the cursor the
// X server shows now is opaque, "hidden" when the cursor is all transparent. It frees what it
// took, since a leak that the sanitizers report would garble the answer.
int main()
{
    Display* display = XOpenDisplay(nullptr);
    // libXfixes asks the server for the extension itself, and gives no image without it.
    XFixesCursorImage* image = display ? XFixesGetCursorImage(display) : nullptr;
    if (!image)
        return 2;
    bool visible = false;
    for (int i = 0; i < image->width * image->height; ++i)
        visible = visible || (image->pixels[i] >> 24 & 0xFF) != 0;
    std::printf("%s\n", visible ? "visible" : "hidden");
    XFree(image);
    XCloseDisplay(display);
    return 0;
}
