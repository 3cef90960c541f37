// How the client library meets the caller's event loop. The X binding
// (XtBinding.hpp) is one implementation; without one, events wait until
// Platform::dispatch_events is called.
#pragma once

#include <functional>

class EventLoop {
public:
    virtual ~EventLoop() = default;
    // Call readable() whenever fd has data.
    virtual void watch(int fd, std::function<void()> readable) = 0;
    virtual void unwatch(int fd) = 0;
    // Run fn soon, from the loop, outside the caller's stack.
    virtual void defer(std::function<void()> fn) = 0;
    // Run fn from the loop once seconds have passed; a loop without timers
    // never runs it (the connection then gets no keepalive).
    virtual void after(double seconds, std::function<void()> fn)
    {
        (void)seconds;
        (void)fn;
    }
};

// The loop every Platform registers its connection with; null for none.
void set_event_loop(EventLoop* loop);
EventLoop* current_event_loop();
