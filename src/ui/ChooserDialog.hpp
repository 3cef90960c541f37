// A chooser dialog of an agent dialog (SNMP MIBs, RPC agents): a dialog shell
// whose work area holds the two-list chooser. OK hands the chosen names to
// the owner and hides the chooser; Cancel only hides it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <X11/Intrinsic.h>

#include "gui/SubsetList.hpp"
#include "gui/XdXmDialog.hpp"

class ChooserDialog : public xd_XmDialog_c {
public:
    using Chosen = std::function<void(const std::vector<std::string>& names)>;

    // The dialog shell name under parent, titled with catalogue text title_number.
    virtual void create(Widget parent, const char* name, int title_number, const char* title);

    // What OK does with the chosen names, and the help topic of Help (0: none).
    void set_handlers(Chosen chosen, int help_topic);
    // Shows the chooser with its list titles, the names offered on the left
    // and nothing chosen yet.
    void open(const std::string& left_title, const std::string& right_title, const std::vector<std::string>& names);

    virtual void ok_button_cb(Widget widget, XtPointer call_data);
    virtual void cancel_button_cb(Widget widget, XtPointer call_data);
    virtual void help_button_cb(Widget widget, XtPointer call_data);

    Widget ok_button() const { return ok_button_; }
    Widget help_button() const { return help_button_; }
    Widget work_form() const { return work_form_; }
    SubsetList& subset_list() { return subset_list_; }

private:
    Widget ok_button_ = nullptr;
    Widget help_button_ = nullptr;
    Widget work_form_ = nullptr;
    SubsetList subset_list_;
    Chosen chosen_;
    int help_topic_ = 0;
};
