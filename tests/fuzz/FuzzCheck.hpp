// A property a fuzz target asserts: a failure stops libFuzzer at once, with
// the input kept.
#pragma once

inline void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}
