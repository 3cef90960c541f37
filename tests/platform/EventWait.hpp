// Events in tests: a record of those delivered, and waiting for one by
// dispatching the platform's events until a condition holds.
#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/Platform.hpp"

// Each delivered event as "NAME objname" (objname empty for some).
struct SeenEvents {
    static void record(void* data, void* event)
    {
        CurrentEvent e(event);
        static_cast<SeenEvents*>(data)->events.push_back(e.get_event_name().str() + " " + e.get_objname().str());
    }
    Callback callback() { return Callback(&SeenEvents::record, this); }
    bool has(const std::string& entry) const { return std::find(events.begin(), events.end(), entry) != events.end(); }
    std::vector<std::string> events;
};

// True when the condition held before about 20 seconds passed.
inline bool dispatch_until(Platform& platform, const std::function<bool()>& condition)
{
    for (int i = 0; i < 200; ++i) {
        if (condition())
            return true;
        platform.dispatch_events(0.1);
    }
    return condition();
}
