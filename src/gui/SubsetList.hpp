// The two-list chooser's behaviour: "Add >>" copies the selected available
// items to the chosen list (each item once), "Remove<<" deletes the selected
// chosen items, and each list selects or deselects all its items.
#pragma once

#include <string>
#include <vector>

#include "gui/SubsetListDialog.hpp"

class SubsetList : public SubsetListDialog {
public:
    // Right is the chosen list, any other value the available one.
    enum List { Left = 0, Right = 1 };

    // Attaches the top form to all four sides of its parent and shows it.
    void manage();

    void set_left_list_title(const char* title);
    void set_right_list_title(const char* title);

    // Empties the list, then adds each name once, in order.
    void set_list(const std::vector<std::string>& names, List list);
    // Appends the list's items, top to bottom.
    void get_list(std::vector<std::string>& names, List list) const;
    void clear(List list);
    // Adds the name at the end unless the list has it already.
    void add(const std::string& name, List list);

    void right_deselect_all_cb(Widget widget, XtPointer call_data) override;
    void right_select_all_cb(Widget widget, XtPointer call_data) override;
    void left_deselect_all_cb(Widget widget, XtPointer call_data) override;
    void left_select_all_cb(Widget widget, XtPointer call_data) override;
    void remove_cb(Widget widget, XtPointer call_data) override;
    void add_cb(Widget widget, XtPointer call_data) override;

private:
    Widget list_widget(List list) const { return list == Right ? members_list() : all_list(); }
    static void select_all(Widget list);
};
