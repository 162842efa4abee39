/* mapwait PROGRAM [ARG...]: starts PROGRAM and prints its PID and the milliseconds from the launch
   to the first top-level window it maps. The program is left running. */
#include <X11/Xlib.h>
#include <fcntl.h>
#include <stdio.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

int main(int argc, char *argv[])
{
    if (argc < 2) {
        fprintf(stderr, "usage: mapwait PROGRAM [ARG...]\n");
        return 2;
    }
    Display *display = XOpenDisplay(NULL);
    if (!display)
        return 1;
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    const double start = now_ms();
    const pid_t pid = fork();
    if (pid == 0) {
        close(ConnectionNumber(display));
        /* The caller reads our output to its end; the program must not hold it open. */
        const int devnull = open("/dev/null", O_WRONLY);
        dup2(devnull, STDOUT_FILENO);
        dup2(devnull, STDERR_FILENO);
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && !event.xmap.override_redirect)
            break;
    }
    printf("%d %.1f\n", (int)pid, now_ms() - start);
    return 0;
}
