// The member lists of a monitor or an array on the display page: the hidden
// members, the buttons that move a member across, the shown members in
// display order and the buttons that move a shown member up or down.
#pragma once

#include <X11/Intrinsic.h>

#include "ui/MemberList.hpp"

class ObjectConfig;

class MemberColumns {
public:
    // The widget names and catalogue labels of one set of columns.
    struct Names {
        const char* hide_label;
        int hide_label_number;
        const char* hide_list;
        const char* move_row;
        const char* show_button;
        int show_button_number;
        const char* hide_button;
        int hide_button_number;
        const char* show_label;
        int show_label_number;
        const char* show_list;
        const char* order_row;
        const char* up_button;
        int up_button_number;
        const char* down_button;
        int down_button_number;
    };

    // Builds the columns at the top of form, side by side.
    void create(Widget form, const Names& names);

    MemberList& hidden() { return hidden_; }
    MemberList& shown() { return shown_; }
    const MemberList& hidden() const { return hidden_; }
    const MemberList& shown() const { return shown_; }
    Widget show_button() const { return show_button_; }
    Widget hide_button() const { return hide_button_; }
    Widget up_button() const { return up_button_; }
    Widget down_button() const { return down_button_; }
    // The lowest widget of the columns, for what goes below them.
    Widget bottom() const { return XtParent(hidden_.widget()); }

    // The four buttons' sensitivity (the lists stay readable).
    void set_buttons_sensitive(bool sensitive);

    // Replaces both lists' members.
    void set_members(const RWTValSlist<RWCString>& shown, const RWTValSlist<RWCString>& hidden);
    // Appends both lists' members, in display order, to shown and hidden.
    void append_members(RWTValSlist<RWCString>& shown, RWTValSlist<RWCString>& hidden) const;
    // The buttons' moves; each is true when something moved.
    bool show_selected() { return hidden_.move_selected_to(shown_); }
    bool hide_selected() { return shown_.move_selected_to(hidden_); }
    bool move_up() { return shown_.move_selected_up(); }
    bool move_down() { return shown_.move_selected_down(); }

private:
    MemberList hidden_;
    MemberList shown_;
    Widget show_button_ = nullptr;
    Widget hide_button_ = nullptr;
    Widget up_button_ = nullptr;
    Widget down_button_ = nullptr;
};
