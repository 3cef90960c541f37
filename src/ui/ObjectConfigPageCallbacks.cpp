// The main window's callbacks for the display and coordinates pages; the
// pages themselves hold the rules.
#include "ui/CoordPage.hpp"
#include "ui/DisplayPage.hpp"
#include "ui/ObjectConfig.hpp"

namespace {

// A member move counts as a change whenever something was selected.
void note_move(bool moved)
{
    if (moved)
        display_page->mark_changed();
}

}  // namespace

void ObjectConfig::bg_changed_cb(Widget, XtPointer) { display_page->background_edited(); }
void ObjectConfig::propagate_status_cb(Widget, XtPointer) { display_page->mark_changed(); }
void ObjectConfig::rotation_change_cb(Widget, XtPointer) { display_page->mark_changed(); }
void ObjectConfig::bg_bitmap_cb(Widget, XtPointer) { display_page->choose_background_file(); }
void ObjectConfig::bg_geo_cb(Widget, XtPointer) { display_page->choose_map_file(); }

void ObjectConfig::monitor_add_cb(Widget, XtPointer) { note_move(display_page->monitor().show_selected()); }
void ObjectConfig::monitor_remove_cb(Widget, XtPointer) { note_move(display_page->monitor().hide_selected()); }
void ObjectConfig::monitor_move_up_cb(Widget, XtPointer) { note_move(display_page->monitor().move_up()); }
void ObjectConfig::monitor_move_down_cb(Widget, XtPointer) { note_move(display_page->monitor().move_down()); }

void ObjectConfig::array_show_cb(Widget, XtPointer) { note_move(display_page->array().show_selected()); }
void ObjectConfig::array_hide_cb(Widget, XtPointer) { note_move(display_page->array().hide_selected()); }
void ObjectConfig::array_move_up_cb(Widget, XtPointer) { note_move(display_page->array().move_up()); }
void ObjectConfig::array_move_down_cb(Widget, XtPointer) { note_move(display_page->array().move_down()); }

void ObjectConfig::array_orientation_changed_cb(Widget, XtPointer) { display_page->array().orientation_toggled(); }
void ObjectConfig::array_num_col_changed_cb(Widget, XtPointer) { display_page->array().layout_toggled(); }
void ObjectConfig::array_cell_changed_cb(Widget, XtPointer) { display_page->array().width_toggled(); }
void ObjectConfig::array_num_col_chars_cb(Widget, XtPointer) { display_page->array().check_columns_entry(); }
void ObjectConfig::array_cell_chars_cb(Widget, XtPointer) { display_page->array().check_width_entry(); }

// The page's changed flag is not set here: Apply compares the values.
void ObjectConfig::coord_change_cb(Widget, XtPointer call_data) { CoordPage::verify_insertion(call_data); }
void ObjectConfig::coord_button_change_cb(Widget, XtPointer) { coord_page->mark_changed(); }
