// The "Type of Selected Object" frame of the main window: the type's glyph
// and the menu of types the object may take.
#pragma once

#include <X11/Intrinsic.h>

class TypeFrame {
public:
    // Builds "frame2" and everything in it under parent (a form).
    void create(Widget parent);

    Widget frame() const { return frame_; }
    Widget type_frame_label() const { return type_frame_label_; }
    Widget type_pixmap() const { return type_pixmap_; }
    Widget type_menu_cascade() const { return type_menu_cascade_; }
    Widget type_pulldown() const { return type_pulldown_; }

private:
    Widget frame_ = nullptr;
    Widget type_frame_label_ = nullptr;
    Widget type_pixmap_ = nullptr;
    Widget type_menu_cascade_ = nullptr;
    Widget type_pulldown_ = nullptr;
};
