// The main window: one application shell holding the message box
// "tolvar_dialog" with OK, Apply, Cancel and Help along the bottom and, in its
// work area, the object identification, the type and the property pages.
// The header and the pages are built on top of it and keep its widgets.
#pragma once

#include <X11/Intrinsic.h>

#include "gui/XdXtWidget.hpp"
#include "gui/XtGlobals.hpp"
#include "ui/IdentificationFrame.hpp"
#include "ui/PropertyBook.hpp"
#include "ui/TypeFrame.hpp"

class ObjectConfig : public xd_XtWidget_c {
public:
    // Builds the whole tree under a new application shell (given argc and
    // argv), connects the callbacks and manages everything; the shell is not
    // realized.
    virtual void create(Display* display, const char* name, int argc, char** argv,
                        const char* app_class = kAppClass);

    // Cancel: the program ends at once, nothing saved.
    virtual void exit_cb(Widget widget, XtPointer call_data);
    // Help: topic 1290.
    virtual void help_button_cb(Widget widget, XtPointer call_data);

    // Object identification, OK and Apply (ObjectConfigNames.cpp, Apply.cpp).
    virtual void name_selected_cb(Widget widget, XtPointer call_data);
    virtual void name_changed_cb(Widget widget, XtPointer call_data);
    virtual void add_name_button_cb(Widget widget, XtPointer call_data);
    virtual void delete_name_button_cb(Widget widget, XtPointer call_data);
    virtual void apply_button_cb(Widget widget, XtPointer call_data);
    virtual void ok_button_cb(Widget widget, XtPointer call_data);

    // Agents page (ObjectConfigAgentCallbacks.cpp): "Protocol:",
    // "Configure Manually...", "Configure Default", "Change... ", "Delete".
    virtual void protocol_change_cb(Widget widget, XtPointer call_data);
    virtual void add_cb(Widget widget, XtPointer call_data);
    virtual void add_default_cb(Widget widget, XtPointer call_data);
    virtual void change_cb(Widget widget, XtPointer call_data);
    virtual void delete_cb(Widget widget, XtPointer call_data);

    // Display and coordinates pages (ObjectConfigPageCallbacks.cpp).
    virtual void bg_changed_cb(Widget widget, XtPointer call_data);
    virtual void array_cell_chars_cb(Widget widget, XtPointer call_data);
    virtual void array_num_col_chars_cb(Widget widget, XtPointer call_data);
    virtual void array_cell_changed_cb(Widget widget, XtPointer call_data);
    virtual void array_num_col_changed_cb(Widget widget, XtPointer call_data);
    virtual void bg_bitmap_cb(Widget widget, XtPointer call_data);
    virtual void array_move_down_cb(Widget widget, XtPointer call_data);
    virtual void array_move_up_cb(Widget widget, XtPointer call_data);
    virtual void array_hide_cb(Widget widget, XtPointer call_data);
    virtual void array_show_cb(Widget widget, XtPointer call_data);
    virtual void rotation_change_cb(Widget widget, XtPointer call_data);
    virtual void propagate_status_cb(Widget widget, XtPointer call_data);
    virtual void coord_button_change_cb(Widget widget, XtPointer call_data);
    virtual void coord_change_cb(Widget widget, XtPointer call_data);
    virtual void bg_geo_cb(Widget widget, XtPointer call_data);
    virtual void array_orientation_changed_cb(Widget widget, XtPointer call_data);
    virtual void monitor_move_up_cb(Widget widget, XtPointer call_data);
    virtual void monitor_move_down_cb(Widget widget, XtPointer call_data);
    virtual void monitor_remove_cb(Widget widget, XtPointer call_data);
    virtual void monitor_add_cb(Widget widget, XtPointer call_data);

    Widget shell() const { return shell_; }
    Widget tolvar_dialog() const { return tolvar_dialog_; }
    Widget ok_button() const { return ok_button_; }
    Widget apply_button() const { return apply_button_; }
    Widget cancel_button() const { return cancel_button_; }
    Widget help_button() const { return help_button_; }
    Widget main_form() const { return main_form_; }

    IdentificationFrame& identification() { return identification_; }
    TypeFrame& type_frame() { return type_frame_; }
    PropertyBook& book() { return book_; }

    // Shortcuts for the widgets start-up touches.
    Widget name_text_field() const { return identification_.name_text_field(); }
    Widget type_frame_label() const { return type_frame_.type_frame_label(); }
    Widget prop_label() const { return book_.prop_label(); }
    Widget agent_form2() const { return book_.agent_form2(); }

    static constexpr int kHelpTopic = 1290;

private:
    void create_buttons();
    void create_work_area();
    void connect_identification();
    void connect_agent_controls();

    Widget shell_ = nullptr;
    Widget tolvar_dialog_ = nullptr;
    Widget ok_button_ = nullptr;
    Widget apply_button_ = nullptr;
    Widget cancel_button_ = nullptr;
    Widget help_button_ = nullptr;
    Widget main_form_ = nullptr;
    IdentificationFrame identification_;
    TypeFrame type_frame_;
    PropertyBook book_;
};
