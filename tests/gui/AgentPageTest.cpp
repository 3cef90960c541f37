// The agent page against the fixture: the router's four agents as rows of
// the agent table written back unchanged by Apply, row selection by clicks
// driving Change and Delete, Delete taking rows off, and another object's
// rows replacing them; text in the user's locale drawn by character.
#include <gtest/gtest.h>

#include <X11/IntrinsicP.h>
#include <Xbae/Matrix.h>
#include <Xm/Xm.h>

#include "driver/AgentDriver.hpp"
#include "driver/Fixture.hpp"
#include "driver/GuiDriver.hpp"
#include "driver/MainWindowDriver.hpp"
#include "driver/PageDriver.hpp"
#include "driver/TableDriver.hpp"
#include "driver/ToolTest.hpp"
#include "gui/Args.hpp"
#include "gui/Table.hpp"
#include "ui/AgentPage.hpp"

namespace qv::gui {
namespace {

using AgentPageTest = ToolTest;
using Row = std::vector<std::string>;

void click_row(int row, unsigned int button, bool ctrl = false)
{
    click_cell(agent_table->get_table(), row, 0, button, ctrl);
}

TEST_F(AgentPageTest, RouterAgentsAreRowsThatClicksSelectAndDeleteTakesOff)
{
    server_ = start_server(false);
    const nlohmann::json agents = stored_node(*server_, 10, "managedObjects");
    ASSERT_EQ(agents.size(), 4u);
    start({"-id", "10", "16"});
    show_page("agent_scroll");
    // Apply writes the object's agent list back unchanged, and again at the
    // next Apply: the default agents' objects were made under its name.
    activate(page_widget("apply_button"));
    activate(page_widget("apply_button"));
    EXPECT_TRUE(error_messages().empty()) << error_messages().front();
    EXPECT_EQ(stored_node(*server_, 10, "managedObjects"), agents);
    EXPECT_FALSE(agent_page->changed());

    ASSERT_EQ(agent_page->num_agents(), 4);
    EXPECT_EQ(table_row(agent_table, 0), (Row{"SNMP", "<Default>", "<Default>"}));
    EXPECT_EQ(table_row(agent_table, 1), (Row{"RPC", "<Default>", "<Default>"}));
    EXPECT_EQ(table_row(agent_table, 2)[0], "CMIP");
    EXPECT_EQ(table_row(agent_table, 3), (Row{"MIS", "fx-mis", "<Default>"}));
    // Blank rows keep the table at its five rows.
    EXPECT_EQ(XbaeMatrixNumRows(agent_table->get_table()), 5);
    EXPECT_FALSE(XtIsSensitive(page_widget("change_button")));
    EXPECT_FALSE(XtIsSensitive(page_widget("delete_button")));
    Widget protocol = nullptr;  // new agents start as SNMP
    XtVaGetValues(page_widget("protocol_option_menu"), XmNmenuHistory, &protocol, nullptr);
    EXPECT_EQ(protocol, page_widget("snmp_agent_button"));
    // Another object replaces the rows, and back.
    select_position(name_list(), 2);
    EXPECT_EQ(agent_page->num_agents(), 0);
    EXPECT_EQ(agent_table->get_cell(0, 0), "");
    select_position(name_list(), 1);
    ASSERT_EQ(agent_page->num_agents(), 4);

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

    drag_rows(agent_table->get_table(), 0, 2);
    EXPECT_EQ(agent_table->get_num_selected(), 3);
    click_row(1, 2);  // button 2 takes one row out
    EXPECT_EQ(agent_table->get_num_selected(), 2);
    EXPECT_EQ(agent_table->is_selected(1), -1);

    activate(page_widget("delete_button"));
    EXPECT_EQ(agent_page->num_agents(), 2);
    EXPECT_EQ((Row{table_row(agent_table, 0)[0], table_row(agent_table, 1)[0]}), (Row{"RPC", "MIS"}));
    EXPECT_EQ(agent_table->get_num_selected(), 0);
    EXPECT_EQ(XbaeMatrixNumRows(agent_table->get_table()), 5);
}

// In a UTF-8 locale a cell's text is measured and drawn by character: the
// core font alone took "ü" for two characters of its own.
TEST_F(AgentPageTest, CellsDrawUtf8TextByCharacter)
{
    ::setenv("LC_ALL", "C.UTF-8", 1);
    server_ = start_server(false);
    const std::string path = "/networkId=\"zentra-osi\"/managedElementId=\"zürich-ß\"";
    admin(*server_, {"set", node_dn(*server_, 16), "managedObjects", nlohmann::json::array({path}).dump()});
    start({"-id", "16"});
    ASSERT_EQ(agent_page->num_agents(), 1);
    ASSERT_EQ(table_row(agent_table, 0)[2], path);

    XmRenderTable fonts = nullptr;
    XtVaGetValues(agent_table->get_table(), XmNrenderTable, &fonts, nullptr);
    XmRendition rendition = XmRenderTableGetRendition(fonts, const_cast<char*>(XmFONTLIST_DEFAULT_TAG));
    ASSERT_NE(rendition, nullptr);
    XmFontType type = XmFONT_IS_FONT;
    XtPointer font = nullptr;
    XmRenditionRetrieve(rendition, Args().add(XmNfontType, &type).add(XmNfont, &font).list(), 2);
    XmRenditionFree(rendition);
    ASSERT_EQ(type, XmFONT_IS_FONTSET);
    auto* font_set = static_cast<XFontSet>(font);
    const int characters = static_cast<int>(path.size()) - 2;  // "ü" and "ß" take two bytes each
    EXPECT_EQ(XmbTextEscapement(font_set, path.c_str(), static_cast<int>(path.size())),
              characters * XmbTextEscapement(font_set, "z", 1));
}

}  // namespace
}  // namespace qv::gui
