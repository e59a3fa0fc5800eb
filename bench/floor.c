/* The least a client can do to show the clock's change each second, the yardstick of
 * bench/tick.sh: Xlib only, one full-screen black window, no back buffer. Each wall-clock second
 * it clears the bounding rectangles of what the last second drew, draws three lines from the
 * centre, three outlined circles and the seconds, minutes and hours as text in the "fixed" font,
 * flushes, and sleeps in select() on the display's socket until the next second.
 *
 *   cc -O2 -o floor floor.c -lX11 -lm && DISPLAY=:1 ./floor
 */
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>
#include <sys/time.h>
#include <time.h>

enum { kHands = 3 };

/* Seconds, minutes and hours: the circle's diameter, its centre's distance from the middle of
 * the screen and the clock's default colour for the hand. */
static const int kDiameter[kHands] = {72, 57, 47};
static const int kDistance[kHands] = {310, 230, 150};
static const unsigned long kColour[kHands] = {0xffc0c0, 0xff8080, 0xff0000};

typedef struct {
    int x, y, width, height;
} Box;

static Box boxAround(int x0, int y0, int x1, int y1)
{
    Box box;
    box.x = (x0 < x1 ? x0 : x1) - 1;
    box.y = (y0 < y1 ? y0 : y1) - 1;
    box.width = abs(x1 - x0) + 3;
    box.height = abs(y1 - y0) + 3;
    return box;
}

/* The hand's angle in radians, clockwise from twelve o'clock. */
static double handAngle(int hand, const struct tm* now)
{
    const double turns[kHands] = {now->tm_sec / 60.0, now->tm_min / 60.0,
                                  (now->tm_hour % 12 + now->tm_min / 60.0) / 12.0};
    return turns[hand] * 2 * M_PI;
}

static void draw(Display* display, Window window, GC gc, XFontStruct* font, int cx, int cy,
                 Box drawn[2 * kHands])
{
    const time_t seconds = time(NULL);
    struct tm now;
    localtime_r(&seconds, &now);
    const int values[kHands] = {now.tm_sec, now.tm_min, now.tm_hour};
    for (int i = 0; i < 2 * kHands; ++i) {
        if (drawn[i].width > 0)
            XClearArea(display, window, drawn[i].x, drawn[i].y, drawn[i].width, drawn[i].height,
                       False);
    }
    for (int hand = 0; hand < kHands; ++hand) {
        const double angle = handAngle(hand, &now);
        const int x = cx + (int)lround(kDistance[hand] * sin(angle));
        const int y = cy - (int)lround(kDistance[hand] * cos(angle));
        const int r = kDiameter[hand] / 2;
        char text[3];
        snprintf(text, sizeof text, "%02d", values[hand]);
        XSetForeground(display, gc, kColour[hand]);
        XDrawLine(display, window, gc, cx, cy, x, y);
        XDrawArc(display, window, gc, x - r, y - r, 2 * r, 2 * r, 0, 360 * 64);
        XDrawString(display, window, gc, x - XTextWidth(font, text, 2) / 2,
                    y + (font->ascent - font->descent) / 2, text, 2);
        drawn[2 * hand] = boxAround(cx, cy, x, y);
        drawn[2 * hand + 1] = boxAround(x - r, y - r, x + r, y + r);
    }
    XFlush(display);
}

/* Microseconds until the next whole second of the wall clock. */
static long untilNextSecond(void)
{
    struct timeval now;
    gettimeofday(&now, NULL);
    return 1000000 - now.tv_usec;
}

int main(void)
{
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "no display\n");
        return 1;
    }
    const int screen = DefaultScreen(display);
    const int width = DisplayWidth(display, screen);
    const int height = DisplayHeight(display, screen);
    XSetWindowAttributes attributes;
    attributes.background_pixel = BlackPixel(display, screen);
    attributes.override_redirect = True;
    attributes.event_mask = ExposureMask;
    const Window window = XCreateWindow(
        display, RootWindow(display, screen), 0, 0, width, height, 0, CopyFromParent, InputOutput,
        CopyFromParent, CWBackPixel | CWOverrideRedirect | CWEventMask, &attributes);
    XMapRaised(display, window);
    XFontStruct* font = XLoadQueryFont(display, "fixed");
    GC gc = XCreateGC(display, window, 0, NULL);
    if (font)
        XSetFont(display, gc, font->fid);
    else
        font = XQueryFont(display, XGContextFromGC(gc));
    Box drawn[2 * kHands];
    memset(drawn, 0, sizeof drawn);
    const int fd = ConnectionNumber(display);
    for (;;) {
        draw(display, window, gc, font, width / 2, height / 2, drawn);
        long wait = untilNextSecond();
        while (wait > 0) {
            while (XPending(display)) {
                XEvent event;
                XNextEvent(display, &event);
            }
            fd_set readable;
            FD_ZERO(&readable);
            FD_SET(fd, &readable);
            struct timeval timeout = {wait / 1000000, wait % 1000000};
            if (select(fd + 1, &readable, NULL, NULL, &timeout) == 0)
                break;
            wait = untilNextSecond();
        }
    }
}
