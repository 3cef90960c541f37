// The name selection dialog "names_dialog": when a typed name matches several
// objects, the main window lists their path names here and waits for the
// user to choose one (or cancel).
#pragma once

#include <string>

#include <X11/Intrinsic.h>

#include "gui/XdXmDialog.hpp"
#include "platform/Types.hpp"

// Set non-zero by the dialog's OK and Cancel; the main window waits on it.
extern int answer;

class NamesSelection : public xd_XmDialog_c {
public:
    virtual void create(Widget parent, const char* name = "names_dialog");

    // OK is sensitive only while an item is selected.
    virtual void names_list_cb(Widget widget, XtPointer call_data);
    // Adds the chosen object (add_selected_object), hides, sets answer.
    virtual void ok_button_cb(Widget widget, XtPointer call_data);
    // Hides and sets answer.
    virtual void cancel_button_cb(Widget widget, XtPointer call_data);

    Widget names_list() const { return names_list_; }
    Widget name_ok_button() const { return ok_button_; }
    // The selected path name, empty when none.
    std::string selected_path() const;
    // Resets the busy cursor of the main window, shows the dialog
    // full-application-modal and appends the path names not yet listed.
    void display_pathnames(const RWTValSlist<RWCString>& pathnames);

protected:
    // Finds the object of the main window's typed name that lies at path,
    // adds it to the edited objects and its path to the main window's list,
    // and empties the name field.
    virtual void add_selected_object(const std::string& path);

private:
    Widget names_list_ = nullptr;
    Widget ok_button_ = nullptr;
};
