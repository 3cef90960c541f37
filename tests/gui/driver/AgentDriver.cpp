#include <gtest/gtest.h>

#include "driver/AgentDriver.hpp"

#include <Xm/TabStack.h>
#include <Xm/Xm.h>

#include "driver/GuiDriver.hpp"
#include "driver/MainWindowDriver.hpp"
#include "driver/PageDriver.hpp"
#include "driver/TableDriver.hpp"
#include "gui/Table.hpp"
#include "platform/QvAgentDn.hpp"
#include "support/TestServer.hpp"
#include "ui/AgentConfigDialog.hpp"
#include "ui/AgentPage.hpp"

namespace qv::gui {

Widget in(AgentConfigDialog* dialog, const char* name)
{
    Widget widget = find_widget_in(dialog->shell(), name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void show_tab(AgentConfigDialog* dialog, const char* page)
{
    Widget tab = in(dialog, page);
    XmTabStackSelectTab(tab, True);
    ASSERT_TRUE(pump_until([&] { return is_viewable(tab); })) << page;
}

void choose_protocol(const char* button_name)
{
    Widget button = page_widget(button_name);
    XtVaSetValues(page_widget("protocol_option_menu"), XmNmenuHistory, button, nullptr);
    activate(button);
}

void open_dialog(const char* button, AgentConfigDialog* dialog)
{
    activate(page_widget(button));
    ASSERT_TRUE(pump_until([&] { return is_viewable(dialog->shell()); })) << XtName(dialog->shell());
}

void select_agent_row(int row)
{
    // A click on the only selected row would deselect it.
    if (agent_table->is_selected(row) < 0)
        click_cell(agent_table->get_table(), row, 0, 1);
    ASSERT_EQ(agent_table->get_num_selected(), 1);
}

std::vector<std::string> table_row(Table* table, int row)
{
    return {table->get_cell(row, 0), table->get_cell(row, 1), table->get_num_cols() > 2 ? table->get_cell(row, 2) : ""};
}

std::string snmp_dn(const qv::test::TestServer& server, const std::string& host)
{
    return QvSnmpAgentDn(server.system_name(), host).to_string();
}

std::string cmip_dn(const qv::test::TestServer& server, const std::string& name)
{
    return QvCmipAgentDn(server.system_name(), name).to_string();
}

bool exists_on(const qv::test::TestServer& server, const std::string& dn)
{
    try {
        admin(server, {"dump", dn});
        return true;
    } catch (const std::runtime_error&) {
        return false;
    }
}

}  // namespace qv::gui
