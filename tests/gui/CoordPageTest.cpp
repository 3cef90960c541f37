// The coordinates page against the fixture: what it shows of an object's
// logical and geographical position, what Apply writes back, the typing
// filter and the rights.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <Xm/TextF.h>
#include <Xm/Xm.h>

#include "driver/Fixture.hpp"
#include "driver/GuiDriver.hpp"
#include "driver/Keyboard.hpp"
#include "driver/MainWindowDriver.hpp"
#include "driver/PageDriver.hpp"
#include "driver/ToolTest.hpp"
#include "gui/XtGlobals.hpp"
#include "ui/CoordPage.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/Windows.hpp"

namespace qv::gui {
namespace {

using CoordinatesPage = ToolTest;

// The texts of the named fields, and which hemisphere toggles are set.
std::vector<std::string> fields(std::initializer_list<const char*> names)
{
    std::vector<std::string> texts;
    for (const char* name : names)
        texts.push_back(text_of(page_widget(name)));
    for (const char* toggle : {"northbutton", "southbutton", "eastbutton", "westbutton"})
        if (is_set(page_widget(toggle)))
            texts.push_back(toggle);
    return texts;
}

void press_apply() { activate(page_widget("apply_button")); }

TEST_F(CoordinatesPage, ShowsTheRouterWritesTypedValuesAndFiltersTyping)
{
    start({"-id", "10"});

    // 51.5072 N, 0.1276 W
    EXPECT_EQ(fields({"xvaltextfield", "yvaltextfield", "nsdd", "nsmm", "ewdd", "ewmm"}),
              (std::vector<std::string>{"60", "50", "51", "30", "0", "7", "northbutton", "westbutton"}));

    // A hemisphere click is a change.
    ASSERT_FALSE(coord_page->changed());
    click_toggle(page_widget("southbutton"));
    EXPECT_FALSE(is_set(page_widget("northbutton")));
    EXPECT_TRUE(coord_page->changed());
    EXPECT_LT(coord_page->get_geo().latitude, 0.0);
    click_toggle(page_widget("northbutton"));

    for (const auto& [name, text] : {std::pair{"xvaltextfield", "120"}, {"yvaltextfield", "75"}, {"nsdd", "48"},
                                     {"nsmm", "51"}, {"nsssss", "0.00"}, {"ewdd", "2"}, {"ewmm", "21"},
                                     {"ewssss", "0.00"}})
        set_text(page_widget(name), text);
    click_toggle(page_widget("eastbutton"));
    press_apply();

    EXPECT_TRUE(error_messages().empty()) << error_messages().front();
    const auto locations = stored_node(*server_, 10, "logicalLocations");
    ASSERT_EQ(locations.size(), 1u);
    EXPECT_EQ(nlohmann::json({locations[0]["x"], locations[0]["y"]}), nlohmann::json({120, 75}));
    const auto geo = stored_node(*server_, 10, "geoLocation");
    EXPECT_DOUBLE_EQ(geo["latitude"].get<double>(), 48.85);
    EXPECT_DOUBLE_EQ(geo["longitude"].get<double>(), 2.35);
    EXPECT_FALSE(coord_page->changed());

    // The fields take only digits and points (a second point passes: the
    // filter looks at characters only); typing alone is no change, Apply
    // compares the values.
    Widget degrees = page_widget("nsdd");
    set_text(degrees, "");
    type_text(degrees, "12a");
    EXPECT_EQ(text_of(degrees), "12");
    Widget seconds = page_widget("nsssss");
    set_text(seconds, "");
    paste_text(seconds, "1.5");
    paste_text(seconds, ".");
    EXPECT_EQ(text_of(seconds), "1.5.");
    paste_text(seconds, "-3");
    paste_text(seconds, "4 ");
    EXPECT_EQ(text_of(seconds), "1.5.");
    EXPECT_FALSE(coord_page->changed());
    // Logical fields are read up to the first other character.
    set_text(page_widget("xvaltextfield"), "12.5");
    set_text(page_widget("yvaltextfield"), "");
    EXPECT_EQ(coord_page->get_coord(), (QvTopoNode::Location{12, 0, 0}));
}

TEST_F(CoordinatesPage, SouthAndEastShowAndReadBackByTheirTruncatedParts)
{
    server_ = start_server(false);
    admin(*server_, {"set", "10", "geoLocation", R"({"longitude": 151.2, "latitude": -33.5})"});
    start({"-id", "10"});

    EXPECT_EQ(fields({"nsdd", "nsmm", "nsssss", "ewdd", "ewmm", "ewssss"}),
              (std::vector<std::string>{"33", "30", "0.00", "151", "11", "59.99", "southbutton", "eastbutton"}));

    const QvTopoNode::GeoLocation read = coord_page->get_geo();
    EXPECT_EQ(read.latitude, -33.5);
    EXPECT_NEAR(read.longitude, 151.1999972, 1e-6);
    EXPECT_LT(read.longitude, 151.2);

    // The truncated longitude counts as a change and is what Apply writes.
    press_apply();
    EXPECT_TRUE(error_messages().empty()) << error_messages().front();
    const auto geo = stored_node(*server_, 10, "geoLocation");
    EXPECT_EQ(geo["latitude"].get<double>(), -33.5);
    EXPECT_NEAR(geo["longitude"].get<double>(), 151.1999972, 1e-6);
}

TEST_F(CoordinatesPage, ApplyIsOneAuditEntryWithWhoBeforeAndAfter)
{
    server_ = start_server(true);
    answer_login("admin", "admin");
    start({"-id", "10"});
    set_text(page_widget("xvaltextfield"), "120");
    press_apply();
    EXPECT_TRUE(error_messages().empty()) << error_messages().front();

    const auto entries = nlohmann::json::parse(admin_login(*server_, {"audit", "--dn", "10", "--json"}));
    ASSERT_EQ(entries.size(), 1u) << entries.dump();
    const auto& e = entries[0];
    EXPECT_EQ(nlohmann::json({e["operation"], e["user"], e["program"], e["address"],
                              e["before"]["logicalLocations"][0]["x"], e["after"]["logicalLocations"][0]["x"]}),
              nlohmann::json({"set", "admin", "qv_tolvar", "127.0.0.1", 60, 120}));
}

// The user may not change coordinates: a write would be refused, so a clean
// Apply shows that nothing was written.
TEST_F(CoordinatesPage, UnchangedCoordinatesAreNotWritten)
{
    server_ = start_server(true);
    admin_login(*server_, {"set", "10", "geoLocation", R"({"longitude": -0.25, "latitude": 51.5})"});
    answer_login("nocoord", "nocoord");
    start({"-id", "10"});

    EXPECT_EQ(fields({"ewmm", "ewssss"}), (std::vector<std::string>{"15", "0.00", "northbutton", "westbutton"}));
    // One modify right keeps OK, Apply, the type menu and Delete.
    for (Widget button : {object_config_tool->ok_button(), object_config_tool->apply_button(),
                          object_config_tool->type_frame().type_menu_cascade(),
                          object_config_tool->identification().delete_name_button()})
        EXPECT_TRUE(XtIsSensitive(button)) << XtName(button);
    for (const char* name : {"xvaltextfield", "nsdd", "ewssss", "northbutton", "westbutton"})
        EXPECT_FALSE(XtIsSensitive(page_widget(name))) << name;
    coord_page->coord_changed();
    EXPECT_FALSE(coord_page->changed());
    press_apply();
    EXPECT_TRUE(error_messages().empty()) << error_messages().front();
    const auto geo = nlohmann::json::parse(admin_login(*server_, {"get", "10", "geoLocation"}));
    EXPECT_EQ(geo["longitude"].get<double>(), -0.25);
}

// Creating is allowed without the right to modify coordinates: the new
// object's position is the creator's to give.
TEST_F(CoordinatesPage, NewObjectTakesItsPositionWithoutTheCoordinateRight)
{
    server_ = start_server(true);
    answer_login("nocoord", "nocoord");
    start({"-type", "Host", "-parent", "3", "-name", "new-host"});

    for (const char* name : {"xvaltextfield", "nsdd", "southbutton"})
        EXPECT_TRUE(XtIsSensitive(page_widget(name))) << name;
    set_text(page_widget("xvaltextfield"), "33");
    set_text(page_widget("yvaltextfield"), "44");
    press_apply();
    EXPECT_TRUE(error_messages().empty()) << error_messages().front();

    long created = 0;
    for (const auto& object : nlohmann::json::parse(admin_login(*server_, {"dump"})))
        if (object["attrs"].value("name", "") == "new-host") {
            const std::string dn = object.value("dn", "");
            created = std::atol(dn.substr(dn.rfind('=') + 1).c_str());
        }
    ASSERT_NE(created, 0);
    const auto locations = nlohmann::json::parse(admin_login(*server_, {"get", std::to_string(created),
                                                                       "logicalLocations"}));
    ASSERT_EQ(locations.size(), 1u);
    EXPECT_EQ(nlohmann::json({locations[0]["x"], locations[0]["y"]}), nlohmann::json({33, 44}));
}

// The keyboard through the X server, into a field of a scrolled page: the
// page's view must not take Home and End for itself.
TEST_F(CoordinatesPage, EditingKeysWorkInPageFieldsAndStoredDataCells)
{
    start({"-id", "10"});
    ASSERT_TRUE(give_focus(root_widget));
    const auto edit = [](Widget field, std::vector<std::string> keys, const char* typed) {
        XmProcessTraversal(field, XmTRAVERSE_CURRENT);
        keys.insert(keys.begin(), "key");
        xdotool(keys);
        xdotool({"type", typed});
        return text_of(field);
    };
    show_page("coord_scroll");
    Widget x = page_widget("xvaltextfield");
    XmTextFieldSetInsertionPosition(x, 0);
    EXPECT_EQ(edit(x, {"End"}, "9"), "609");
    EXPECT_EQ(edit(x, {"Home", "Right", "Delete"}, "1"), "619");
    EXPECT_EQ(edit(x, {"End", "BackSpace", "shift+Home", "Delete"}, "7"), "7");

    show_page("descr_scroll");
    Widget cell = table_fields(stored_table("contact")).front();
    scroll_to("descr_scroll", "contact");
    XmTextFieldSetInsertionPosition(cell, 0);
    EXPECT_EQ(edit(cell, {"End"}, "!"), "Lab desk!");
    EXPECT_EQ(edit(cell, {"Home", "shift+End", "Delete"}, "x"), "x");
}

}  // namespace
}  // namespace qv::gui
