// Starts a program and reports how long it took until its 300 x 200 window
// was mapped, and the peak resident memory it had reached by then:
//   startup_probe PROGRAM [ARGUMENT...]  ->  "MILLISECONDS KIB"
// The program, with any process it started (Wine's), is ended as soon as its
// window is up.
#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: startup_probe PROGRAM [ARGUMENT...]\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "startup_probe: no X display\n");
    return 1;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    setpgid(0, 0);  // a group of its own, ended as one
    const int quiet = open("/dev/null", O_WRONLY);
    dup2(quiet, STDERR_FILENO);
    execv(argv[1], argv + 1);
    _exit(127);
  }
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type != MapNotify) continue;
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, event.xmap.window, &attributes) != 0 && attributes.width == 300 &&
        attributes.height == 200) {
      break;
    }
  }
  const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
  kill(-child, SIGTERM);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  std::printf("%.1f %ld\n", elapsed.count(), usage.ru_maxrss);
  XCloseDisplay(display);
  return 0;
}
