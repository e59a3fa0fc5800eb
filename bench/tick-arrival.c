/* When each tick reaches the screen: watches the damage of an X server's root window (which takes
 * in the drawing of every window on it) and prints, for each wall-clock second in which something
 * was drawn, how many milliseconds after the second's start the first drawing arrived.
 *
 *   cc -O2 -o tick-arrival tick-arrival.c -lX11 -lXdamage && DISPLAY=:1 ./tick-arrival SECONDS
 *
 * Prints one number a line, in milliseconds, for SECONDS seconds; nothing else. A program that
 * draws something else in between (a fading hint) is seen by its first drawing of each second,
 * which is its tick when the tick comes first.
 */
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <stdio.h>
#include <stdlib.h>
#include <sys/select.h>
#include <sys/time.h>

static double now(void)
{
    struct timeval tv;
    gettimeofday(&tv, NULL);
    return tv.tv_sec + tv.tv_usec / 1e6;
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: %s SECONDS\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    int event_base, error_base;
    if (!display || !XDamageQueryExtension(display, &event_base, &error_base)) {
        fprintf(stderr, "no X display with the damage extension\n");
        return 1;
    }
    Damage damage = XDamageCreate(display, DefaultRootWindow(display), XDamageReportRawRectangles);
    XFlush(display);

    const double end = now() + atoi(argv[1]);
    long last_second = 0;
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != event_base + XDamageNotify)
                continue;
            const double t = now();
            const long second = (long)t;
            if (second != last_second) {
                printf("%.1f\n", (t - second) * 1000);
                fflush(stdout);
                last_second = second;
            }
        }
        const double left = end - now();
        if (left <= 0)
            break;
        fd_set read;
        FD_ZERO(&read);
        FD_SET(ConnectionNumber(display), &read);
        struct timeval wait = {(long)left, (long)((left - (long)left) * 1e6)};
        select(ConnectionNumber(display) + 1, &read, NULL, NULL, &wait);
    }
    XDamageDestroy(display, damage);
    XCloseDisplay(display);
    return 0;
}
