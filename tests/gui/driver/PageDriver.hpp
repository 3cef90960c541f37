// Helpers for the tests of the main window's property pages: bringing a tab
// to the front, picking list entries and toggles as a click does, and the
// stored-data tables as the page shows them.
#pragma once

#include <string>
#include <vector>

#include <X11/Intrinsic.h>
#include <nlohmann/json.hpp>

namespace qv::test {
class TestServer;
}

namespace qv::gui {

// Brings the tab page whose scrolled window is named page_name to the front
// ("agent_scroll", "display_scroll", "coord_scroll", "descr_scroll").
void show_page(const char* page_name);

// Selects a list entry (1-based) with notification, as a click does.
void select_position(Widget list, int position);
// Sets a toggle with notification, as a click does.
void click_toggle(Widget toggle);
bool is_set(Widget toggle);

// The widget named name below the main window (fails the test when missing).
Widget page_widget(const char* name);

// A stored-data table's frame by its display title (the page shown, as a
// user would look at it), and the texts of its labels and value fields in
// order.
Widget stored_table(const std::string& title);
std::vector<std::string> table_labels(Widget frame);
std::vector<std::string> table_values(Widget frame);
// The value fields of a table, in order.
std::vector<Widget> table_fields(Widget frame);

// qv_admin logged in as the fixture's admin (for servers that want a login).
std::string admin_login(const qv::test::TestServer& server, const std::vector<std::string>& args);
// One attribute of a topology node (by number) as the server holds it.
nlohmann::json stored_node(const qv::test::TestServer& server, long number, const std::string& attribute);

// Scrolls the page so that the named widget is in view.
void scroll_to(const char* page_name, const char* widget_name);

}  // namespace qv::gui
