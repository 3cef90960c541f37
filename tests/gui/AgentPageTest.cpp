// The agent page against the fixture: the router's four agents as rows of
// the agent table, row selection driving Change and Delete, the rights, and
// the object's agent list written back unchanged by Apply.
#include <gtest/gtest.h>

#include <X11/IntrinsicP.h>
#include <Xbae/Matrix.h>
#include <Xm/Xm.h>

#include "driver/Fixture.hpp"
#include "driver/GuiDriver.hpp"
#include "driver/MainWindowDriver.hpp"
#include "driver/PageDriver.hpp"
#include "driver/TableDriver.hpp"
#include "driver/ToolSession.hpp"
#include "driver/ToolTest.hpp"
#include "gui/Table.hpp"
#include "ui/AgentPage.hpp"

namespace qv::gui {
namespace {

using AgentPageTest = ToolTest;
using Row = std::vector<std::string>;

Row row_of(int row)
{
    Row texts;
    for (int column = 0; column < 3; ++column)
        texts.push_back(agent_table->get_cell(row, column));
    return texts;
}

void click_row(int row, unsigned int button, bool ctrl = false)
{
    click_cell(agent_table->get_table(), row, 0, button, ctrl);
}

void drag_rows(int from, int to) { qv::gui::drag_rows(agent_table->get_table(), from, to); }

TEST_F(AgentPageTest, RouterAgentsAreRowsOfTheTable)
{
    auto server = start_server(false);
    start_tool({"-id", "10"}, server.get());

    ASSERT_EQ(agent_page->num_agents(), 4);
    EXPECT_EQ(row_of(0), (Row{"SNMP", "<Default>", "<Default>"}));
    EXPECT_EQ(row_of(1), (Row{"RPC", "<Default>", "<Default>"}));
    EXPECT_EQ(row_of(2)[0], "CMIP");
    EXPECT_EQ(row_of(3)[0], "MIS");
    EXPECT_EQ(row_of(3)[1], "fx-mis");
    EXPECT_EQ(row_of(3)[2], "<Default>");
    // Blank rows keep the table at its five rows.
    EXPECT_EQ(XbaeMatrixNumRows(agent_table->get_table()), 5);
    EXPECT_EQ(XbaeMatrixNumColumns(agent_table->get_table()), 3);
    EXPECT_EQ(std::string(XbaeMatrixGetColumnLabel(agent_table->get_table(), 2)), "Object Path");
    EXPECT_FALSE(XtIsSensitive(page_widget("change_button")));
    EXPECT_FALSE(XtIsSensitive(page_widget("delete_button")));
    page_screenshot("agent_scroll", std::string(QV_GUI_TEST_OUTPUT_DIR) + "/agent-page.png");
    scroll_to("agent_scroll", "change_button");
    screenshot(std::string(QV_GUI_TEST_OUTPUT_DIR) + "/agent-page-buttons.png");
}

TEST_F(AgentPageTest, ApplyWritesTheAgentDnsBackUnchanged)
{
    auto server = start_server(false);
    answer_error_dialogs();
    const auto before = stored_node(*server, 10, "managedObjects");
    ASSERT_EQ(before.size(), 4u);
    start_tool({"-id", "10"}, server.get());
    activate(page_widget("apply_button"));
    EXPECT_TRUE(error_messages().empty()) << error_messages().front();
    EXPECT_EQ(stored_node(*server, 10, "managedObjects"), before);
    EXPECT_FALSE(agent_page->changed());
}

TEST_F(AgentPageTest, ClickingARowSelectsItAndEnablesChangeAndDelete)
{
    auto server = start_server(false);
    start_tool({"-id", "10"}, server.get());
    show_page("agent_scroll");

    click_row(1, 1);
    EXPECT_EQ(agent_table->get_num_selected(), 1);
    EXPECT_EQ(agent_table->get_selected_row(), 1);
    EXPECT_TRUE(XbaeMatrixIsRowSelected(agent_table->get_table(), 1));
    EXPECT_TRUE(XtIsSensitive(page_widget("change_button")));
    EXPECT_TRUE(XtIsSensitive(page_widget("delete_button")));

    click_row(3, 1, true);
    EXPECT_EQ(agent_table->get_num_selected(), 2);
    click_row(2, 1);
    EXPECT_EQ(agent_table->get_num_selected(), 1);
    EXPECT_EQ(agent_table->is_selected(2), 2);
    EXPECT_FALSE(XbaeMatrixIsRowSelected(agent_table->get_table(), 1));

    click_row(2, 1);  // the only selected row: deselected
    EXPECT_EQ(agent_table->get_num_selected(), 0);
    EXPECT_FALSE(XtIsSensitive(page_widget("change_button")));
    EXPECT_FALSE(XtIsSensitive(page_widget("delete_button")));

    click_row(4, 1);  // a blank row: nothing
    EXPECT_EQ(agent_table->get_num_selected(), 0);

    drag_rows(0, 2);
    EXPECT_EQ(agent_table->get_num_selected(), 3);
    click_row(1, 2);  // button 2 takes one row out
    EXPECT_EQ(agent_table->get_num_selected(), 2);
    EXPECT_EQ(agent_table->is_selected(1), -1);
}

TEST_F(AgentPageTest, TableRowsCanBeDeletedAndCleared)
{
    auto server = start_server(false);
    start_tool({"-id", "10"}, server.get());

    agent_table->select_row(0);
    agent_table->select_row(2);
    agent_table->delete_selected();
    EXPECT_EQ(agent_table->get_num_rows(), 2);
    EXPECT_EQ(agent_table->get_cell(0, 0), "RPC");
    EXPECT_EQ(agent_table->get_cell(1, 0), "MIS");
    EXPECT_EQ(agent_table->get_num_selected(), 0);
    EXPECT_EQ(XbaeMatrixNumRows(agent_table->get_table()), 5);

    agent_page->clear_table();
    EXPECT_EQ(agent_page->num_agents(), 0);
    EXPECT_EQ(agent_page->agent_at(0), nullptr);
    EXPECT_EQ(agent_table->get_cell(0, 0), "");
    EXPECT_EQ(XbaeMatrixNumRows(agent_table->get_table()), 5);
}

TEST_F(AgentPageTest, AnotherObjectReplacesTheRows)
{
    auto server = start_server(false);
    start_tool({"-id", "10", "16"}, server.get());
    select_position(name_list(), 2);
    EXPECT_EQ(agent_page->num_agents(), 0);
    select_position(name_list(), 1);
    EXPECT_EQ(agent_page->num_agents(), 4);
}

TEST_F(AgentPageTest, ReadOnlyUserMayViewButNotCreateOrDelete)
{
    auto server = start_server(true);
    answer_login("viewer", "viewer");
    start_tool({"-id", "10"}, server.get());
    show_page("agent_scroll");

    EXPECT_EQ(label_of(page_widget("change_button")), " View... ");
    for (const char* name : {"add_button", "add_default_button", "protocol_option_menu"})
        EXPECT_FALSE(XtIsSensitive(page_widget(name))) << name;
    click_row(0, 1);
    EXPECT_TRUE(XtIsSensitive(page_widget("change_button")));
    EXPECT_FALSE(XtIsSensitive(page_widget("delete_button")));
}

TEST_F(AgentPageTest, CreateAgentControlsStartWithSnmp)
{
    auto server = start_server(false);
    start_tool({"-id", "10"}, server.get());
    EXPECT_EQ(label_of(page_widget("add_button")), "Configure Manually...");
    EXPECT_EQ(label_of(page_widget("add_default_button")), "Configure Default");
    Widget current = nullptr;
    XtVaGetValues(page_widget("protocol_option_menu"), XmNmenuHistory, &current, nullptr);
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(std::string(XtName(current)), "snmp_agent_button");
    for (const char* name : {"rpc_agent_button", "mis_agent_button", "cmip_agent_button"})
        EXPECT_NE(find_widget(name), nullptr) << name;
}

}  // namespace
}  // namespace qv::gui
