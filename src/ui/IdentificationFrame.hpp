// The "Object Identification" frame of the main window: the name field, the
// list of objects being edited and its Add and Delete buttons.
#pragma once

#include <X11/Intrinsic.h>

class IdentificationFrame {
public:
    // Builds "top_frame" and everything in it under parent (a form).
    void create(Widget parent);

    Widget frame() const { return frame_; }
    Widget name_text_field() const { return name_text_field_; }
    Widget list_label() const { return list_label_; }
    Widget name_list() const { return name_list_; }
    Widget add_name_button() const { return add_name_button_; }
    Widget delete_name_button() const { return delete_name_button_; }

private:
    Widget frame_ = nullptr;
    Widget name_text_field_ = nullptr;
    Widget list_label_ = nullptr;
    Widget name_list_ = nullptr;
    Widget add_name_button_ = nullptr;
    Widget delete_name_button_ = nullptr;
};
