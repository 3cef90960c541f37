// The monitor part of the display page ("monitor_form"): which members the
// monitor shows, in which order, how many at most, and its rotation.
#pragma once

#include <X11/Intrinsic.h>

#include "platform/Types.hpp"
#include "ui/MemberColumns.hpp"

class ObjectConfig;

class MonitorSection {
public:
    // Builds the section, unmanaged, under parent (the page's row column).
    void create(ObjectConfig* window, Widget parent);

    void set(const RWTValSlist<RWCString>& shown, const RWTValSlist<RWCString>& hidden, long max_visible,
             long rotation);
    void get(RWTValSlist<RWCString>& shown, RWTValSlist<RWCString>& hidden, long& rotation) const;
    long max_visible() const { return max_visible_; }

    // "Show>>>": with the show list full, reports "Can only show %d" and
    // moves nothing. True when the page counts as changed (a move was asked
    // for: something was selected, or the list was full).
    bool show_selected();
    // "<<<Hide", "Up", "Down": true when something was selected.
    bool hide_selected();
    bool move_up();
    bool move_down();

    void show(bool shown);
    // The buttons and the scale; the lists stay readable.
    void set_editable(bool editable);

    Widget form() const { return form_; }
    MemberColumns& columns() { return columns_; }

private:
    Widget form_ = nullptr;
    Widget rotation_scale_ = nullptr;
    MemberColumns columns_;
    long max_visible_ = 0;
};
