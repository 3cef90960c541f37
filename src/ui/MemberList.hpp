// One list of member names on the display page (shown or hidden members of a
// monitor or an array): its items as strings, and the moves the page's
// buttons make on its first selected item.
#pragma once

#include <X11/Intrinsic.h>

#include "platform/Types.hpp"

class MemberList {
public:
    MemberList() = default;
    explicit MemberList(Widget list) : list_(list) {}

    Widget widget() const { return list_; }

    RWTValSlist<RWCString> items() const;
    // Replaces every item, none selected.
    void set_items(const RWTValSlist<RWCString>& items);
    int count() const;
    // The first selected position (1-based), 0 when nothing is selected.
    int first_selected() const;

    // Appends the first selected item to target and deletes it here. False
    // when nothing is selected.
    bool move_selected_to(MemberList& target);
    // Swaps the first selected item with its neighbour above / below; the
    // item stays selected. False when nothing is selected (a move off either
    // end is true: something was selected, nothing moved).
    bool move_selected_up();
    bool move_selected_down();

private:
    void swap_with_next(int position);

    Widget list_ = nullptr;
};
