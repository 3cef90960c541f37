// One table of the stored-data page: the values of one attribute as a
// vertical list of labelled fields, grouped. A record attribute has one group
// with a field per member; a set attribute has one group per element, and
// its groups can be added and deleted (labels carry the group number).
#pragma once

#include <memory>

#include <X11/Intrinsic.h>

#include "platform/Types.hpp"
#include "ui/NumberedGroup.hpp"

class CaptionLayout;
class Page;

class UserData : public NumberedGroup {
public:
    // page: whose changed flag adding and deleting groups set.
    explicit UserData(Page& page);
    ~UserData() override;
    UserData(const UserData&) = delete;
    UserData& operator=(const UserData&) = delete;

    // Builds the frame (named after the display title) under parent. The
    // table's name is title ("ud_frame" without one); a dotted (legacy) name
    // is marked in the display title.
    virtual void create(Widget parent, const char* title);
    void create_data(const RWTValSlist<RWCString>& columns, const RWTValSlist<RWCString>& cells, int groups,
                     char set);
    // Appends groups of fields filled from cells (empty when the cells run
    // out); a table without groups always gets one.
    void add_data(int groups, const RWTValSlist<RWCString>& cells);
    void clear_data();
    // Every field's text, group by group, column by column.
    RWTValSlist<RWCString> get_userdata() const;
    int get_num_of_groups() const override { return group_count_; }
    char is_set() const { return set_; }
    void remove_data(int count, const int* groups) override;
    void recreate_data(const RWTValSlist<RWCString>& cells);
    void delete_widget();

    const RWCString& name() const { return name_; }
    Widget frame() const { return frame_; }

    // " Add " and "Delete ".
    virtual void ud_add_cb(Widget widget, XtPointer call_data);
    virtual void ud_del_cb(Widget widget, XtPointer call_data);

    // The title shown for a table name.
    static RWCString display_title(const RWCString& name);

private:
    void build_buttons(Widget form, Widget scroll);
    void add_group(const RWTValSlist<RWCString>& cells, std::size_t& next_cell);
    int column_count() const { return static_cast<int>(column_names_.size()); }

    Page& page_;
    std::unique_ptr<CaptionLayout> caption_;
    Widget add_button_ = nullptr;
    Widget del_button_ = nullptr;
    Widget frame_ = nullptr;
    int group_count_ = 0;
    char set_ = 0;
    RWTValSlist<RWCString> column_names_;
    RWTValSlist<Widget> fields_;
    RWTValSlist<Widget> labels_;
    RWCString name_;
};
