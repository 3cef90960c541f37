#include "BenchDisplay.hpp"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

#include <X11/Xatom.h>
#include <X11/Xutil.h>

namespace {

using Clock = std::chrono::steady_clock;

int milliseconds_left(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

}  // namespace

BenchDisplay::BenchDisplay()
{
    int pipe_fd[2];
    if (::pipe(pipe_fd) != 0)
        throw std::runtime_error("pipe failed");
    server_ = ::fork();
    if (server_ == 0) {
        ::close(pipe_fd[0]);
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        const std::string fd = std::to_string(pipe_fd[1]);
        ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-noreset", "-nolisten",
                 "tcp", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(pipe_fd[1]);
    // Xvfb writes the display number when it is ready for clients.
    std::string number;
    pollfd ready = {pipe_fd[0], POLLIN, 0};
    const auto deadline = Clock::now() + std::chrono::seconds(30);
    char c = 0;
    while (::poll(&ready, 1, milliseconds_left(deadline)) > 0 && ::read(pipe_fd[0], &c, 1) == 1 && c != '\n')
        number += c;
    ::close(pipe_fd[0]);
    if (number.empty())
        throw std::runtime_error("Xvfb did not start (is it installed?)");
    name_ = ":" + number;
    display_ = XOpenDisplay(name_.c_str());
    if (!display_)
        throw std::runtime_error("cannot open the display " + name_);
    XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
    XSync(display_, False);
}

BenchDisplay::~BenchDisplay()
{
    if (display_)
        XCloseDisplay(display_);
    if (server_ > 0) {
        ::kill(server_, SIGTERM);
        ::waitpid(server_, nullptr, 0);
    }
}

Window BenchDisplay::wait_for_mapped_window(double seconds, const std::function<bool()>& keep_waiting)
{
    const auto deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    pollfd readable = {ConnectionNumber(display_), POLLIN, 0};
    for (;;) {
        while (XPending(display_)) {
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect)
                return event.xmap.window;
        }
        const int left = milliseconds_left(deadline);
        if (left == 0 || !keep_waiting())
            return None;
        ::poll(&readable, 1, left < 100 ? left : 100);
    }
}

void BenchDisplay::request_close(Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, window, False, NoEventMask, &event);
    XFlush(display_);
}

std::string BenchDisplay::title_of(Window window)
{
    char* name = nullptr;
    std::string title;
    if (XFetchName(display_, window, &name) && name)
        title = name;
    if (name)
        XFree(name);
    return title;
}
