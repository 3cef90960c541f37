// Configure mode of the main window against the fixture: objects opened by
// id and by name, the name selection among objects of one name, the name
// field's Add and Return, selecting and deleting list entries.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include <Xm/List.h>

#include "driver/GuiDriver.hpp"
#include "driver/MainWindowDriver.hpp"
#include "driver/ToolTest.hpp"
#include "gui/XmStr.hpp"
#include "model/NodeList.hpp"
#include "ui/NamesSelection.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/Windows.hpp"

namespace qv::gui {
namespace {

using Strings = std::vector<std::string>;

using Numbers = std::vector<long>;

// The topology node numbers of the list's entries, in order.
Numbers node_numbers()
{
    Numbers numbers;
    for (const auto& node : node_list)
        numbers.push_back(node.handle().get_dn().id());
    return numbers;
}

// Chooses path in the name selection dialog once it shows, and presses OK.
void choose_in_name_selection(const std::string& path)
{
    on_widget("names_template", [path](Widget box) {
        Widget list = find_widget_in(XtParent(box), "names_list");
        XmString* items = nullptr;
        int count = 0;
        XtVaGetValues(list, XmNitems, &items, XmNitemCount, &count, nullptr);
        std::fprintf(stderr, "name selection offers %d paths\n", count);
        for (int i = 0; i < count; ++i)
            if (XmStr::to_string(items[i]) == path)
                XmListSelectPos(list, i + 1, True);
        activate(names_dialog()->name_ok_button());
    });
}

using ConfigureById = ToolTest;

// Several ids: one entry each, the first selected and shown; a click shows
// another; Return in the empty name field selects the last entry again;
// Delete takes the selected entry off, showing the first object, and the
// last entry's deletion leaves the pages as they were.
TEST_F(ConfigureById, EntriesAreShownSelectedAndDeleted)
{
    start({"-id", "10", "16", "40"});
    Widget delete_button = object_config_tool->identification().delete_name_button();

    EXPECT_EQ(list_items(name_list()),
              (Strings{"Root/Europe/Lab/fx-router", "Root/Europe/Lab/fx-hub", "Root/Europe/Lab/fx-group"}));
    EXPECT_EQ(selected_position(name_list()), 1);
    EXPECT_EQ(node_numbers(), (Numbers{10, 16, 40}));
    EXPECT_EQ(text_of(name_field()), "");
    EXPECT_EQ(type_label(), "Router");
    EXPECT_TRUE(XtIsSensitive(delete_button));
    XmListSelectPos(name_list(), 2, True);
    EXPECT_EQ(type_label(), "Hub");
    activate(name_field());
    EXPECT_EQ(list_items(name_list()).size(), 3u);
    EXPECT_EQ(selected_position(name_list()), 3);
    EXPECT_EQ(type_label(), "Group");

    XmListSelectPos(name_list(), 1, True);
    activate(delete_button);
    EXPECT_EQ(list_items(name_list()), (Strings{"Root/Europe/Lab/fx-hub", "Root/Europe/Lab/fx-group"}));
    EXPECT_EQ(node_numbers(), (Numbers{16, 40}));
    EXPECT_FALSE(XtIsSensitive(delete_button));
    EXPECT_EQ(selected_position(name_list()), 0);

    XmListSelectPos(name_list(), 2, True);
    activate(delete_button);
    EXPECT_EQ(list_items(name_list()), (Strings{"Root/Europe/Lab/fx-hub"}));
    EXPECT_EQ(type_label(), "Hub");
    XmListSelectPos(name_list(), 1, True);
    activate(delete_button);
    EXPECT_TRUE(list_items(name_list()).empty());
    EXPECT_EQ(node_numbers(), Numbers{});
    EXPECT_EQ(type_label(), "Hub");
}

TEST_F(ConfigureById, UnreadableIdStopsLoadingWithInvalidId)
{
    start({"-id", "10", "abc", "16"});

    EXPECT_EQ(error_messages(), (Strings{"Invalid Id"}));
    EXPECT_EQ(node_numbers(), Numbers{10});
}

TEST_F(ConfigureById, LastIdNamingNoObjectIsAnInvalidId)
{
    start({"-id", "16", "999"});

    EXPECT_EQ(error_messages(), (Strings{"Invalid Id"}));
    EXPECT_EQ(list_items(name_list()), (Strings{"Root/Europe/Lab/fx-hub"}));
    EXPECT_EQ(type_label(), "Hub");
}

using ConfigureByName = ToolTest;

TEST_F(ConfigureByName, SharedNameIsChosenInTheNameSelection)
{
    choose_in_name_selection("Root/Europe/twin");
    start({"-name", "twin"});

    EXPECT_EQ(list_items(names_dialog()->names_list()), (Strings{"Root/Europe/Lab/twin", "Root/Europe/twin"}));
    EXPECT_FALSE(XtIsManaged(names_dialog()->xd_dialogwidget()));
    EXPECT_EQ(list_items(name_list()), (Strings{"Root/Europe/twin"}));
    EXPECT_EQ(node_numbers(), Numbers{13});
    EXPECT_EQ(selected_position(name_list()), 1);
    EXPECT_EQ(text_of(name_field()), "");
    EXPECT_EQ(answer, 0);
}

// A unique name is added; one that matches nothing shows a Host.
TEST_F(ConfigureByName, UniqueNameIsAddedAndOneMatchingNothingShowsHost)
{
    start({"-name", "fx-hub", "no-such-object"});

    EXPECT_EQ(list_items(name_list()), (Strings{"Root/Europe/Lab/fx-hub"}));
    EXPECT_EQ(node_numbers(), Numbers{16});
    EXPECT_EQ(text_of(name_field()), "");
    EXPECT_EQ(type_label(), "Host");
    EXPECT_TRUE(error_messages().empty());
}

using NameField = ToolTest;

// The name field's Add refuses a double quote and an unknown name; Return
// adds an entry for each path name of the object, the last one selected.
TEST_F(NameField, AddRefusesAndReturnAddsEveryPathName)
{
    start({"-id", "10"});
    set_text(name_field(), "fx\"hub");
    activate(object_config_tool->identification().add_name_button());
    EXPECT_EQ(text_of(name_field()), "");
    set_text(name_field(), "no-such-object");
    activate(object_config_tool->identification().add_name_button());
    EXPECT_EQ(text_of(name_field()), "no-such-object");
    EXPECT_EQ(error_messages(), (Strings{"Can't handle double quotes in name field.", "Object not found"}));
    EXPECT_EQ(node_numbers(), Numbers{10});

    set_text(name_field(), "fx-switch");
    activate(name_field());
    EXPECT_EQ(list_items(name_list()),
              (Strings{"Root/Europe/Lab/fx-router", "Root/Europe/Lab/fx-switch", "Root/Europe/fx-switch"}));
    EXPECT_EQ(node_numbers(), (Numbers{10, 11, 11}));
    EXPECT_EQ(selected_position(name_list()), 3);
    EXPECT_EQ(text_of(name_field()), "");
    EXPECT_EQ(type_label(), "Switch");
}

}  // namespace
}  // namespace qv::gui
