#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <cstdio>

// Prints whether the pointer on $DISPLAY is drawn: "visible" when any pixel of the cursor the
// X server shows now is opaque, "hidden" when the cursor is all transparent.
int main()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 2;
    int event = 0;
    int error = 0;
    XFixesCursorImage* image =
        XFixesQueryExtension(display, &event, &error) ? XFixesGetCursorImage(display) : nullptr;
    // The connection and the image go with the process.
    if (!image)
        return 2;
    bool visible = false;
    for (int i = 0; i < image->width * image->height; ++i)
        visible = visible || (image->pixels[i] >> 24 & 0xFF) != 0;
    std::printf("%s\n", visible ? "visible" : "hidden");
    return 0;
}
