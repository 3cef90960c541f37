// The CMIP dialog opened from the agent page, against the fixture: a new
// entity with every field, the refusals that keep the dialog open, the
// entities another client creates appearing in the combo, and the deletion
// of entities.
#include <gtest/gtest.h>

#include <Xm/List.h>
#include <Xm/Xm.h>

#include "driver/AgentDriver.hpp"
#include "driver/GuiDriver.hpp"
#include "driver/MainWindowDriver.hpp"
#include "driver/PageDriver.hpp"
#include "driver/ToolTest.hpp"
#include "gui/Table.hpp"
#include "platform/QvAgentDn.hpp"
#include "ui/AgentPage.hpp"
#include "ui/CmipConfig.hpp"
#include "ui/CmipDel.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/Windows.hpp"

namespace qv::gui {
namespace {

using CmipDialog = ToolTest;
using nlohmann::json;

Widget cmip(const char* name) { return in(cmip_config_dialog(), name); }

void open_cmip_dialog()
{
    show_page("agent_scroll");
    choose_protocol("cmip_agent_button");
    open_dialog("add_button", cmip_config_dialog());
}

Widget combo_list()
{
    Widget list = nullptr;
    XtVaGetValues(cmip_config_dialog()->combo().widget(), XmNlist, &list, nullptr);
    return list;
}

// Picks an item of the entity combo's list, as a click does.
void pick_entity(const std::string& id)
{
    const auto items = list_items(combo_list());
    const auto at = std::find(items.begin(), items.end(), id);
    ASSERT_NE(at, items.end()) << id;
    XmListSelectPos(combo_list(), static_cast<int>(at - items.begin()) + 1, True);
}

const std::string kNeA = "/networkId=\"zentra-osi\"/managedElementId=\"ne-a\"";
const std::string kNeB = "/networkId=\"zentra-osi\"/managedElementId=\"ne-b\"";

TEST_F(CmipDialog, NewEntityIsCreatedWithEveryFieldAndTiedToTheObject)
{
    start({"-id", "16"});
    open_cmip_dialog();
    set_text(cmip_config_dialog()->combo().text_field(), "osi-new");
    const char* selectors[] = {"pres_sel_text", "sess_sel_text", "trans_sel_text", "net_sap_text"};
    const char* values[] = {"0001", "0002", "0003", "0x4900"};
    for (int i = 0; i < 4; ++i)
        set_text(cmip(selectors[i]), values[i]);
    // Two DNs, by " Add " and by Return; the field empties each time.
    Widget dn_field = cmip("mo_fdn_textt");
    set_text(dn_field, kNeA);
    activate(cmip("fdn_add_button"));
    set_text(dn_field, kNeB);
    activate(dn_field);
    EXPECT_EQ(list_items(cmip_config_dialog()->agent_dn_list()), (std::vector<std::string>{kNeA, kNeB}));
    EXPECT_EQ(text_of(dn_field), "");

    show_tab(cmip_config_dialog(), "advanced_form");
    // The MPA address starts at the default, its fields closed.
    EXPECT_EQ(text_of(cmip("mpa_host_text")), "<Default>");
    EXPECT_EQ(text_of(cmip("mpa_port_text")), "5557");
    EXPECT_FALSE(XtIsSensitive(cmip("mpa_host_text")));
    EXPECT_FALSE(XtIsSensitive(cmip("aptitle_text")));
    click_toggle(cmip("ldn_toggle"));
    click_toggle(cmip("aetitle_toggle"));
    EXPECT_TRUE(XtIsSensitive(cmip("entity_ap_invoke_text")));
    set_text(cmip("aptitle_text"), "1.3.6");
    set_text(cmip("entity_ae_qual_text"), " -12");
    click_toggle(cmip("mpa_custom_toggle"));
    EXPECT_TRUE(XtIsSensitive(cmip("mpa_port_text")));
    EXPECT_EQ(text_of(cmip("mpa_host_text")), "");
    set_text(cmip("mpa_host_text"), "mpa-lab");
    set_text(cmip("mpa_port_text"), "55x7");

    // Refused, one after the other, the dialog staying open and nothing
    // written: no DN chosen, a port that is no number, a malformed APTitle.
    activate(cmip_config_dialog()->apply_button());
    select_position(cmip_config_dialog()->agent_dn_list(), 2);
    activate(cmip_config_dialog()->ok_button());
    set_text(cmip("mpa_port_text"), "5558");
    activate(cmip_config_dialog()->ok_button());
    EXPECT_EQ(error_messages(), (std::vector<std::string>{"You must select a DN associated with this topology node.",
                                                          "The port 55x7 is not a number from 1 to 65535.",
                                                          "Invalid OID used in creating the APTitle."}));
    EXPECT_TRUE(is_viewable(cmip_config_dialog()->shell()));
    EXPECT_TRUE(pressable(object_config_tool->ok_button()));
    EXPECT_EQ(agent_page->num_agents(), 0);
    const std::string dn = cmip_dn(*server_, "osi-new");
    EXPECT_FALSE(exists_on(*server_, dn));

    set_text(cmip("aptitle_text"), "1 3 6 1");
    activate(cmip_config_dialog()->ok_button());
    EXPECT_EQ(error_messages().size(), 3u);
    EXPECT_FALSE(is_viewable(cmip_config_dialog()->shell()));
    EXPECT_EQ(text_of(cmip("aptitle_text")), "{ 1 3 6 1 }");
    const json expected = {
        {"presentationSelector", "0001"},
        {"sessionSelector", "0002"},
        {"transportSelector", "0003"},
        {"networkSap", "4900"},
        {"agentAddressInfo", "{0001,0002,0003,4900}"},
        {"nameTranslation", "LDN"},
        {"agentAddressTag", 24},
        {"applicationEntityTitle", "{ 1 3 6 1 }"},
        {"applicationEntityQualifier", "-12"},
        {"mpaAddressInfo", {{"host", "mpa-lab"}, {"port", 5558}, {"default", false}}},
        {"managedObjects", {kNeA, kNeB}},
    };
    for (const auto& [attribute, value] : expected.items())
        EXPECT_EQ(stored(*server_, dn, attribute), value) << attribute;
    ASSERT_EQ(agent_page->num_agents(), 1);
    EXPECT_EQ(table_row(agent_table, 0), (std::vector<std::string>{"CMIP", "osi-new", kNeB}));
    activate(object_config_tool->apply_button());
    EXPECT_EQ(stored_node(*server_, 16, "managedObjects"), json::array({kNeB}));
}

TEST_F(CmipDialog, EntitiesOthersCreateAppearAndDeletedOnesGo)
{
    start({"-id", "16"});
    open_cmip_dialog();
    // The server's entities, the last one listed first.
    const std::vector<std::string> fixture = {"id:\"fx-osi-1\"", "id:\"fx-mis\""};
    EXPECT_EQ(list_items(combo_list()), (std::vector<std::string>{fixture[1], fixture[0]}));

    const json attributes = {{"networkSap", "4711"},
                             {"managedObjects", {kNeA}},
                             {"mpaAddressInfo", {{"host", "mpa-b"}, {"port", 7000}, {"default", false}}}};
    admin(*server_, {"create", cmip_dn(*server_, "osi-later"), "cmipAgentEntity", attributes.dump()});
    ASSERT_TRUE(pump_until([] { return list_items(combo_list()).size() == 3; }));
    EXPECT_EQ(list_items(combo_list()).front(), "id:\"osi-later\"");
    // Chosen, it is loaded into the dialog.
    pick_entity("id:\"osi-later\"");
    EXPECT_EQ(text_of(cmip_config_dialog()->combo().text_field()), "osi-later");
    EXPECT_EQ(text_of(cmip("net_sap_text")), "4711");
    EXPECT_EQ(text_of(cmip("mpa_host_text")) + ":" + text_of(cmip("mpa_port_text")), "mpa-b:7000");
    EXPECT_EQ(list_items(cmip_config_dialog()->agent_dn_list()), (std::vector<std::string>{kNeA}));

    activate(cmip_config_dialog()->delete_button());
    Widget list = cmip_del_entity_dialog()->cmip_del_list();
    ASSERT_TRUE(pump_until([&] { return is_viewable(list); }));
    EXPECT_EQ(shell_title(list), "Object Properties: Delete CMIP Entity");
    EXPECT_EQ(list_items(list), (std::vector<std::string>{fixture[0], fixture[1], "id:\"osi-later\""}));
    int chosen[] = {1, 3};
    XtVaSetValues(list, XmNselectedPositions, chosen, XmNselectedPositionCount, 2, nullptr);
    activate(cmip_del_entity_dialog()->ok_button());
    EXPECT_FALSE(is_viewable(list));
    EXPECT_FALSE(exists_on(*server_, cmip_dn(*server_, "osi-later")));
    EXPECT_FALSE(exists_on(*server_, cmip_dn(*server_, "fx-osi-1")));
    EXPECT_TRUE(exists_on(*server_, cmip_dn(*server_, "fx-mis")));
    EXPECT_EQ(list_items(combo_list()), (std::vector<std::string>{"id:\"fx-mis\""}));
    activate(cmip_config_dialog()->delete_button());
    EXPECT_EQ(list_items(list), (std::vector<std::string>{"id:\"fx-mis\""}));
    EXPECT_TRUE(error_messages().empty()) << error_messages().front();
}

}  // namespace
}  // namespace qv::gui
