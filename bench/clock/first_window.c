/* Starts a program and prints the milliseconds until its first top-level window
 * is mapped on the X display. Usage: first_window <program> [args...] */
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    Display* dpy = XOpenDisplay(NULL);
    if (!dpy)
        return 2;
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
    XSync(dpy, False);

    const double start = now_ms();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }
    for (;;) {
        XEvent ev;
        XNextEvent(dpy, &ev);
        if (ev.type == MapNotify && !ev.xmap.override_redirect) {
            printf("%.1f %d\n", now_ms() - start, (int)pid);
            fflush(stdout);
            break;
        }
    }
    XCloseDisplay(dpy);
    return 0;
}
