#include "platform/EventLoop.hpp"

#include <atomic>

namespace {
std::atomic<EventLoop*> g_loop{nullptr};
}

void set_event_loop(EventLoop* loop) { g_loop = loop; }

EventLoop* current_event_loop() { return g_loop; }
