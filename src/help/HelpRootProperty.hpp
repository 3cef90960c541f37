// Reading and writing the help hand-off property on the root window of the
// default screen (see HelpRecord).
#pragma once

#include <vector>

#include <X11/Xlib.h>

#include "help/HelpRecord.hpp"

class HelpRootProperty {
public:
    // Interns the atom; valid() is false when that failed.
    explicit HelpRootProperty(Display* display);

    bool valid() const { return atom_ != None; }
    Atom atom() const { return atom_; }

    // The whole property value; empty when absent.
    std::vector<unsigned char> read() const;
    void replace(const std::vector<unsigned char>& value) const;
    void append(const HelpRecord& record) const;

    // The first record with the key, or false.
    bool find(std::int32_t key, HelpRecord& record) const;
    // Rewrites the first record with the key; false when there is none.
    bool update(const HelpRecord& record) const;

    // Property values are read up to this many 32-bit words.
    static constexpr long kMaxLongs = 61440;

private:
    Display* display_;
    Window root_;
    Atom atom_;
};
