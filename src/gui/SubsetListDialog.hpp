// The widget tree of the two-list chooser: an available list on the left, a
// chosen list on the right, "Add >>" and "Remove<<" between them, and "Select
// All" / "Deselect All" under each list. The buttons call the virtual members
// below; SubsetList gives them their behaviour.
#pragma once

#include <string>

#include <X11/Intrinsic.h>

#include "gui/XdXmDialog.hpp"

// The chooser's words; the toolkit kit knows no catalogue.
struct SubsetListTexts {
    std::string left_title = "Available Privilege Groups:";
    std::string right_title = "Privilege Group of User:";
    std::string select_all = "Select All";
    std::string deselect_all = "Deselect All";
    std::string add = "Add >>";
    std::string remove = "Remove<<";
};

class SubsetListDialog : public xd_XmDialog_c {
public:
    // Builds the top form (unmanaged) under parent.
    virtual void create(Widget parent, const char* name = "members_top_form",
                        const SubsetListTexts& texts = SubsetListTexts());

    virtual void right_deselect_all_cb(Widget, XtPointer) {}
    virtual void right_select_all_cb(Widget, XtPointer) {}
    virtual void left_deselect_all_cb(Widget, XtPointer) {}
    virtual void left_select_all_cb(Widget, XtPointer) {}
    virtual void remove_cb(Widget, XtPointer) {}
    virtual void add_cb(Widget, XtPointer) {}

    Widget get_top_form() const { return top_form_; }
    Widget left_label() const { return left_label_; }
    Widget right_label() const { return right_label_; }
    Widget all_list() const { return all_list_; }
    Widget members_list() const { return members_list_; }

private:
    // One list with its title above and its two select buttons below, in a
    // form of its own; returns the list.
    Widget make_side(Widget form, bool right, const SubsetListTexts& texts);
    void make_middle(Widget form, const SubsetListTexts& texts);

    Widget top_form_ = nullptr;
    Widget left_label_ = nullptr;
    Widget right_label_ = nullptr;
    Widget all_list_ = nullptr;
    Widget members_list_ = nullptr;
};
