// The main window's callbacks for the display and coordinates pages; the
// pages themselves hold the rules.
#include "ui/ObjectConfig.hpp"

void ObjectConfig::bg_changed_cb(Widget, XtPointer) {}
void ObjectConfig::array_cell_chars_cb(Widget, XtPointer) {}
void ObjectConfig::array_num_col_chars_cb(Widget, XtPointer) {}
void ObjectConfig::array_cell_changed_cb(Widget, XtPointer) {}
void ObjectConfig::array_num_col_changed_cb(Widget, XtPointer) {}
void ObjectConfig::bg_bitmap_cb(Widget, XtPointer) {}
void ObjectConfig::array_move_down_cb(Widget, XtPointer) {}
void ObjectConfig::array_move_up_cb(Widget, XtPointer) {}
void ObjectConfig::array_hide_cb(Widget, XtPointer) {}
void ObjectConfig::array_show_cb(Widget, XtPointer) {}
void ObjectConfig::rotation_change_cb(Widget, XtPointer) {}
void ObjectConfig::propagate_status_cb(Widget, XtPointer) {}
void ObjectConfig::coord_button_change_cb(Widget, XtPointer) {}
void ObjectConfig::coord_change_cb(Widget, XtPointer) {}
void ObjectConfig::bg_geo_cb(Widget, XtPointer) {}
void ObjectConfig::array_orientation_changed_cb(Widget, XtPointer) {}
void ObjectConfig::monitor_move_up_cb(Widget, XtPointer) {}
void ObjectConfig::monitor_move_down_cb(Widget, XtPointer) {}
void ObjectConfig::monitor_remove_cb(Widget, XtPointer) {}
void ObjectConfig::monitor_add_cb(Widget, XtPointer) {}
