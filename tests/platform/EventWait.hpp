// Waiting in tests for events to arrive: dispatches the platform's events
// until a condition holds or a generous limit passes.
#pragma once

#include <functional>

#include "platform/Platform.hpp"

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
