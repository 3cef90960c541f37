// The stored-data page against the fixture: one table per attribute of every
// shape, groups added and deleted, legacy names, and what Apply stores.
#include <gtest/gtest.h>

#include <map>

#include <Xm/Xm.h>

#include "driver/Fixture.hpp"
#include "driver/GuiDriver.hpp"
#include "driver/MainWindowDriver.hpp"
#include "driver/PageDriver.hpp"
#include "driver/ToolTest.hpp"
#include "ui/DelObjectDesc.hpp"
#include "ui/ObjectPage.hpp"
#include "ui/Windows.hpp"

namespace qv::gui {
namespace {

using StoredDataPage = ToolTest;
using Texts = std::vector<std::string>;

// The object's stored data by attribute name, in value notation.
std::map<std::string, std::string> stored_values(const qv::test::TestServer& server, long node)
{
    std::map<std::string, std::string> values;
    for (const auto& datum : stored_node(server, node, "userData"))
        values[datum["name"].get<std::string>()] = datum["value"].get<std::string>();
    return values;
}

Widget table_button(Widget frame, const char* name) { return find_widget_in(frame, name); }

std::vector<std::string> table_titles()
{
    Texts titles;
    for (const auto& table : object_page->user_data())
        titles.push_back(XtName(table->frame()));
    return titles;
}

void set_cell(Widget frame, std::size_t index, const std::string& text)
{
    const auto fields = table_fields(frame);
    ASSERT_LT(index, fields.size());
    set_text(fields[index], text);
}

TEST_F(StoredDataPage, EveryShapeOfTheRouterIsShownAndWrittenBack)
{
    server_ = start_server(false);
    const auto before = stored_values(*server_, 10);
    admin(*server_, {"set", "16", "userData", R"([{"name": "contact", "value": "\"desk 4\nrow 2\""}])"});
    start({"-id", "10", "16"});

    EXPECT_EQ(table_titles(), (Texts{"contact", "serialNumber", "rackUnits", "managed", "siteAddress",
                                     "ipAddresses", "interfaces", "snmpEndpoint",
                                     "Asset.tag - XNL Backward Compatibility Data", "supportLevel"}));
    Widget contact = stored_table("contact");
    EXPECT_EQ(table_labels(contact), Texts{" "});
    EXPECT_EQ(table_values(contact), Texts{"Lab desk"});
    EXPECT_FALSE(XtIsSensitive(table_button(contact, "ud_add")));

    EXPECT_EQ(table_values(stored_table("rackUnits")), Texts{""});
    EXPECT_EQ(table_values(stored_table("managed")), Texts{""});

    Widget site = stored_table("siteAddress");
    EXPECT_EQ(table_labels(site), (Texts{"building", "floor", "room"}));
    EXPECT_EQ(table_values(site), (Texts{"Lab", "2", "2.01"}));
    EXPECT_FALSE(XtIsSensitive(table_button(site, "ud_del")));

    Widget addresses = stored_table("ipAddresses");
    EXPECT_EQ(table_labels(addresses), (Texts{"[1]", "[2]", "[3]"}));
    EXPECT_EQ(table_values(addresses), (Texts{"10.9.0.1", "10.9.0.2", "10.9.0.3"}));
    EXPECT_TRUE(XtIsSensitive(table_button(addresses, "ud_add")));

    Widget interfaces = stored_table("interfaces");
    EXPECT_EQ(table_labels(interfaces),
              (Texts{"ifName[1]", "ifSpeed[1]", "ifUp[1]", "ifName[2]", "ifSpeed[2]", "ifUp[2]"}));
    EXPECT_EQ(table_values(interfaces), (Texts{"eth0", "100", "TRUE", "eth1", "1000", "FALSE"}));

    EXPECT_EQ(table_values(stored_table("Asset.tag - XNL Backward Compatibility Data")), Texts{"FX-42"});
    EXPECT_EQ(label_of(find_widget_in(stored_table("Asset.tag - XNL Backward Compatibility Data"), "ud_title")),
              "Asset.tag - XNL Backward Compatibility Data");
    EXPECT_EQ(table_values(stored_table("supportLevel")), Texts{"business"});
    EXPECT_TRUE(object_page->changed());  // shown once, written at every Apply

    // Written back as they were: empty INTEGER and BOOLEAN cells as 0 and
    // FALSE, the legacy name in platform form.
    activate(page_widget("apply_button"));
    EXPECT_TRUE(error_messages().empty()) << error_messages().front();
    auto after = stored_values(*server_, 10);
    EXPECT_EQ(after["rackUnits"], "0");
    EXPECT_EQ(after["managed"], "FALSE");
    after.erase("rackUnits");
    after.erase("managed");
    EXPECT_EQ(after, before);
    EXPECT_EQ(after.count("aupcSIGNssetdotSIGNtag"), 1u);
    EXPECT_TRUE(object_page->changed());

    // A newline in a text shows as a blank, and is written so.
    select_position(name_list(), 2);
    EXPECT_EQ(table_values(stored_table("contact")), Texts{"desk 4 row 2"});
    EXPECT_EQ(table_values(stored_table("serialNumber")), Texts{""});
    activate(page_widget("apply_button"));
    EXPECT_TRUE(error_messages().empty()) << error_messages().front();
    EXPECT_EQ(stored_values(*server_, 16)["contact"], R"("desk 4 row 2")");
}

TEST_F(StoredDataPage, AddedDeletedAndEditedGroupsAreStored)
{
    start({"-id", "10"});

    Widget interfaces = stored_table("interfaces");
    activate(table_button(interfaces, "ud_add"));
    EXPECT_EQ(table_labels(interfaces).back(), "ifUp[3]");
    EXPECT_EQ(table_values(interfaces).size(), 9u);
    set_cell(interfaces, 6, "eth2");
    set_cell(interfaces, 7, "10");
    set_cell(interfaces, 8, "TRUE");
    Widget addresses = stored_table("ipAddresses");
    activate(table_button(addresses, "ud_add"));
    set_cell(addresses, 3, "10.9.0.4");
    set_cell(stored_table("siteAddress"), 1, "3");
    set_cell(stored_table("Asset.tag - XNL Backward Compatibility Data"), 0, "FX-99");
    // A value the syntax refuses is reported and left as it was.
    set_cell(stored_table("contact"), 0, "say \"hi\"");

    activate(page_widget("apply_button"));
    EXPECT_EQ(error_messages(), Texts{"Invalid Data syntax"});
    auto values = stored_values(*server_, 10);
    EXPECT_EQ(values["interfaces"], R"({{"eth0",100,TRUE},{"eth1",1000,FALSE},{"eth2",10,TRUE}})");
    EXPECT_EQ(values["ipAddresses"], R"({"10.9.0.1","10.9.0.2","10.9.0.3","10.9.0.4"})");
    EXPECT_EQ(values["siteAddress"], R"({"Lab",3,"2.01"})");
    EXPECT_EQ(values["aupcSIGNssetdotSIGNtag"], R"("FX-99")");
    EXPECT_EQ(values["contact"], R"("Lab desk")");

    // Deleted groups are renumbered.
    set_cell(stored_table("contact"), 0, "Lab desk");
    object_page->clear_changed_flag();
    addresses = stored_table("ipAddresses");
    activate(table_button(addresses, "ud_del"));
    EXPECT_TRUE(object_page->changed());  // opening the dialog counts
    Widget list = del_obj_desc_dialog()->del_list();
    EXPECT_EQ(list_items(list), (Texts{"1", "2", "3", "4"}));
    EXPECT_EQ(shell_title(del_obj_desc_dialog()->shell()), "Object Properties: Delete ipAddresses");
    EXPECT_TRUE(pump_until([&] { return is_viewable(list); }, 10));

    select_position(list, 1);
    select_position(list, 3);
    activate(find_widget_in(del_obj_desc_dialog()->shell(), "del_apply_button"));
    EXPECT_EQ(list_items(list), (Texts{"1", "2"}));
    EXPECT_EQ(selected_position(list), 0);
    addresses = stored_table("ipAddresses");
    EXPECT_EQ(table_labels(addresses), (Texts{"[1]", "[2]"}));
    EXPECT_EQ(table_values(addresses), (Texts{"10.9.0.2", "10.9.0.4"}));

    // Deleting every group leaves one empty group.
    select_position(list, 1);
    select_position(list, 2);
    activate(find_widget_in(del_obj_desc_dialog()->shell(), "del_ok_button"));
    EXPECT_EQ(table_values(stored_table("ipAddresses")), Texts{""});
    set_cell(stored_table("ipAddresses"), 0, "10.9.0.9");

    activate(page_widget("apply_button"));
    EXPECT_EQ(error_messages().size(), 1u);  // the syntax refusal above only
    EXPECT_EQ(stored_values(*server_, 10)["ipAddresses"], R"({"10.9.0.9"})");
}

// Another object's tables replace the first one's. A record member that is
// itself a record shows as one cell in value notation. Emptied, it cannot be
// encoded: the attribute is left out of the store, with no message, while the
// other tables are still written.
TEST_F(StoredDataPage, AnotherObjectsTablesWithAnEmptiedRecordMember)
{
    start({"-id", "10", "17"});
    select_position(name_list(), 2);
    EXPECT_EQ(table_titles(), (Texts{"contact", "serialNumber", "managed", "ipAddresses", "filterRules",
                                     "Asset.tag - XNL Backward Compatibility Data", "uplink"}));
    EXPECT_EQ(table_values(stored_table("Asset.tag - XNL Backward Compatibility Data")), Texts{"FX-43"});
    Widget uplink = stored_table("uplink");
    EXPECT_EQ(table_labels(uplink), (Texts{"peer", "vlan"}));
    EXPECT_EQ(table_values(uplink), (Texts{"fx-router", "{7,TRUE}"}));

    set_cell(uplink, 1, "{8, FALSE}");
    activate(page_widget("apply_button"));
    EXPECT_TRUE(error_messages().empty()) << error_messages().front();
    EXPECT_EQ(stored_values(*server_, 17)["uplink"], R"({"fx-router",{8,FALSE}})");

    set_cell(uplink, 0, "fx-switch");
    set_cell(uplink, 1, "");
    set_cell(stored_table("contact"), 0, "rack 9");
    activate(page_widget("apply_button"));
    EXPECT_TRUE(error_messages().empty()) << error_messages().front();
    const auto stored = stored_values(*server_, 17);
    EXPECT_EQ(stored.at("uplink"), R"({"fx-router",{8,FALSE}})");
    EXPECT_EQ(stored.at("contact"), R"("rack 9")");
}

}  // namespace
}  // namespace qv::gui
