#include "ui/DragDrop.hpp"

void init_member_drag_actions() {}
void init_browser_drag_actions(Widget) {}
void register_member_hide_drop_site(Widget) {}
void register_member_show_drop_site(Widget) {}
void register_array_hide_drop_site(Widget) {}
void register_array_show_drop_site(Widget) {}
void register_config_drop_site(Widget) {}
Pixmap get_icon(Widget, const char*) { return 0; }
