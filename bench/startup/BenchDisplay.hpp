// An Xvfb display of the start-up benchmark's own, and what the benchmark
// does on it: see a program's first window mapped and close it as a window
// manager would (WM_DELETE_WINDOW).
#pragma once

#include <functional>
#include <string>
#include <sys/types.h>

#include <X11/Xlib.h>

class BenchDisplay {
public:
    // Starts Xvfb on a free display; throws std::runtime_error when it does
    // not come up.
    BenchDisplay();
    ~BenchDisplay();
    BenchDisplay(const BenchDisplay&) = delete;
    BenchDisplay& operator=(const BenchDisplay&) = delete;

    const std::string& name() const { return name_; }  // ":N", for DISPLAY

    // Waits for the next top-level window to be mapped (menus and other
    // override-redirect windows are not top-level); None after the time or
    // as soon as keep_waiting says so.
    Window wait_for_mapped_window(double seconds, const std::function<bool()>& keep_waiting);
    // Forgets the events of the programs run before: a window they mapped
    // is not the next program's.
    void discard_events() { XSync(display_, True); }
    // Asks the window's client to close it. A client handles the request
    // only from its event loop, so one that builds its first window and
    // only then fills it has filled it before it closes.
    void request_close(Window window);
    std::string title_of(Window window);

private:
    pid_t server_ = -1;
    std::string name_;
    Display* display_ = nullptr;
};
