// Helpers for the tests of the main window's header, name list, Apply and
// create mode: the lists it shows, the dialogs it raises, the type menu, and
// what the server holds afterwards (read with qv_admin).
#pragma once

#include "gui/ListSelection.hpp"

#include <map>
#include <string>
#include <vector>

#include <X11/Intrinsic.h>
#include <nlohmann/json.hpp>

namespace qv::test {
class TestServer;
}

namespace qv::gui {

// The message of a message box, its line breaks kept.
std::string message_lines(Widget box);

// From now on every error dialog is answered with OK; its message is kept.
void answer_error_dialogs();
// The messages of the error dialogs answered so far, in order.
const std::vector<std::string>& error_messages();
// For death tests: from now on every error dialog is answered with OK after
// its title and message go to standard error as `dialog "TITLE": MESSAGE`
// (and are counted in dialogs_seen).
void print_error_dialogs();

using ::list_items;  // gui/ListSelection: the texts of an XmList's items
// 1-based, 0 when nothing is selected.
int selected_position(Widget list);

// The main window's widgets by name.
Widget name_field();
Widget name_list();
std::string type_label();

// The type menu's button of a type, null when there is none.
Widget type_button(const std::string& type);
// Picks a type as a click on its button does.
void pick_type(const std::string& type);

// Runs qv_admin against server, with env added to its environment, and
// returns its output; a failure throws.
std::string admin(const qv::test::TestServer& server, const std::vector<std::string>& args,
                  const std::map<std::string, std::string>& env = {});
// One attribute of an object as the server holds it.
nlohmann::json stored(const qv::test::TestServer& server, const std::string& dn, const std::string& attribute);
// The DN of a topology node on server by number.
std::string node_dn(const qv::test::TestServer& server, long number);
// The numbers of the topology nodes named name, in ascending order.
std::vector<long> nodes_named(const qv::test::TestServer& server, const std::string& name);

}  // namespace qv::gui
