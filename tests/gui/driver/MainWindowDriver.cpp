#include <gtest/gtest.h>  // first: X11 defines None and Bool
#include "driver/MainWindowDriver.hpp"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <Xm/List.h>

#include "driver/GuiDriver.hpp"
#include "driver/ToolTest.hpp"
#include "gui/ListSelection.hpp"
#include "gui/XmStr.hpp"
#include "support/TestServer.hpp"
#include "ui/Header.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/Windows.hpp"

namespace qv::gui {
namespace {

std::vector<std::string> messages;

}  // namespace

std::string message_lines(Widget box)
{
    XmString value = nullptr;
    XtVaGetValues(box, XmNmessageString, &value, nullptr);
    XmString separator = XmStringSeparatorCreate();
    Arg args[4];
    XtSetArg(args[0], XmNincludeStatus, XmINSERT);
    XtSetArg(args[1], XmNsubstitute, separator);
    XtSetArg(args[2], XmNpattern, const_cast<char*>("\n"));
    XtSetArg(args[3], XmNpatternType, XmCHARSET_TEXT);
    XmParseMapping newline = XmParseMappingCreate(args, 4);
    char* text = static_cast<char*>(
        XmStringUnparse(value, nullptr, XmCHARSET_TEXT, XmCHARSET_TEXT, &newline, 1, XmOUTPUT_ALL));
    const std::string lines = text ? text : "";
    XtFree(text);
    XmParseMappingFree(newline);
    XmStringFree(separator);
    XmStringFree(value);
    return lines;
}

void answer_error_dialogs()
{
    on_widget(
        "ErrorDialog",
        [](Widget box) {
            messages.push_back(message_lines(box));
            press_box_button(box, XmDIALOG_OK_BUTTON);
        },
        true);
}

const std::vector<std::string>& error_messages() { return messages; }

void print_error_dialogs()
{
    on_widget(
        "ErrorDialog",
        [](Widget box) {
            ++dialogs_seen;
            std::fprintf(stderr, "dialog \"%s\": %s\n", shell_title(box).c_str(), message_lines(box).c_str());
            press_box_button(box, XmDIALOG_OK_BUTTON);
        },
        true);
}

int selected_position(Widget list) { return first_selected_position(list); }

Widget name_field() { return object_config_tool->identification().name_text_field(); }
Widget name_list() { return object_config_tool->identification().name_list(); }
std::string type_label() { return label_of(object_config_tool->type_frame().type_menu_cascade()); }

Widget type_button(const std::string& type)
{
    if (!header)
        return nullptr;
    for (Widget item : header->menu_items())
        if (label_of(item) == type)
            return item;
    return nullptr;
}

void pick_type(const std::string& type)
{
    Widget button = type_button(type);
    if (!button)
        throw std::runtime_error("no type button " + type);
    activate(button);
}

std::string admin(const qv::test::TestServer& server, const std::vector<std::string>& args,
                  const std::map<std::string, std::string>& env)
{
    qv::test::RunOptions options;
    options.env = server.client_env();
    options.env.insert(env.begin(), env.end());
    const qv::test::RunResult result = qv::test::run_binary("qv_admin", args, options);
    if (!result.exited || result.exit_status != 0)
        throw std::runtime_error("qv_admin failed: " + result.err);
    return result.out;
}

nlohmann::json stored(const qv::test::TestServer& server, const std::string& dn, const std::string& attribute)
{
    return nlohmann::json::parse(admin(server, {"get", dn, attribute}));
}

std::string node_dn(const qv::test::TestServer& server, long number)
{
    return "/systemId=name:\"" + server.system_name() + "\"/topoNodeId=" + std::to_string(number);
}

std::vector<long> nodes_named(const qv::test::TestServer& server, const std::string& name)
{
    std::vector<long> numbers;
    for (const auto& object : nlohmann::json::parse(admin(server, {"dump"}))) {
        if (object.value("class", "") != "topoNode" || object["attrs"].value("name", "") != name)
            continue;
        const std::string dn = object.value("dn", "");
        numbers.push_back(std::atol(dn.substr(dn.rfind('=') + 1).c_str()));
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

}  // namespace qv::gui
