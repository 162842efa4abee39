/* mapwait PROGRAM [ARG...]: starts PROGRAM and prints its PID, the milliseconds from the launch
   to the first top-level window it maps, the milliseconds from the launch to the end of its
   start-up (the last use of the CPU before it has been idle for 200 ms) and the CPU milliseconds
   it used until then, all its threads. The program is left running. */
#include <X11/Xlib.h>
#include <dirent.h>
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

/* The CPU time of all the process's threads, in nanoseconds, from the kernel's scheduler. */
static unsigned long long cpu_ns(pid_t pid)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/task", (int)pid);
    DIR *tasks = opendir(path);
    unsigned long long total = 0;
    if (!tasks)
        return 0;
    for (struct dirent *task; (task = readdir(tasks));) {
        if (task->d_name[0] == '.')
            continue;
        char stat_path[400];
        snprintf(stat_path, sizeof stat_path, "%s/%s/schedstat", path, task->d_name);
        FILE *stat = fopen(stat_path, "r");
        unsigned long long run = 0;
        if (stat && fscanf(stat, "%llu", &run) == 1)
            total += run;
        if (stat)
            fclose(stat);
    }
    closedir(tasks);
    return total;
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
    const double mapped = now_ms();
    /* Every 2 ms until the program has used no CPU for 200 ms, or for 5 s at most. */
    double last_active = mapped;
    unsigned long long used = cpu_ns(pid), used_at_end = used;
    while (now_ms() - last_active < 200 && now_ms() - start < 5000) {
        usleep(2000);
        const unsigned long long now_used = cpu_ns(pid);
        if (now_used != used) {
            used = now_used;
            used_at_end = now_used;
            last_active = now_ms();
        }
    }
    printf("%d %.1f %.1f %.1f\n", (int)pid, mapped - start, last_active - start, used_at_end / 1e6);
    return 0;
}
