// Helpers for the tests of the agent dialogs: opening them from the agent
// page as a user does, their widgets by name, the agent table's rows, and
// whether the server holds an object.
#pragma once

#include <string>
#include <vector>

#include <X11/Intrinsic.h>

class AgentConfigDialog;
class Table;

namespace qv::test {
class TestServer;
}

namespace qv::gui {

// A widget of an agent dialog by name (fails the test when missing).
Widget in(AgentConfigDialog* dialog, const char* name);
// Brings the tab page named page of a dialog's tab stack to the front.
void show_tab(AgentConfigDialog* dialog, const char* page);
// Picks a protocol in the agent page's "Protocol:" menu, as a click does.
void choose_protocol(const char* button_name);
// Presses a button of the agent page and waits for the dialog it opens.
void open_dialog(const char* button, AgentConfigDialog* dialog);
// Selects an agent row with a click unless it is selected already.
void select_agent_row(int row);
// A row's three texts (the third empty for a two-column table).
std::vector<std::string> table_row(Table* table, int row);
// The DN of the SNMP agent of a host, and of a CMIP entity, on server.
std::string snmp_dn(const qv::test::TestServer& server, const std::string& host);
std::string cmip_dn(const qv::test::TestServer& server, const std::string& name);
// Whether the server holds the object dn.
bool exists_on(const qv::test::TestServer& server, const std::string& dn);

}  // namespace qv::gui
