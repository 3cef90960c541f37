#include <gtest/gtest.h>

#include "driver/PageDriver.hpp"

#include <cstring>
#include <functional>

#include <X11/IntrinsicP.h>
#include <Xm/List.h>
#include <Xm/ScrolledW.h>
#include <Xm/TabStack.h>
#include <Xm/ToggleB.h>
#include <Xm/Xm.h>

#include "driver/GuiDriver.hpp"
#include "driver/MainWindowDriver.hpp"
#include "support/TestServer.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/Windows.hpp"

namespace qv::gui {
namespace {

// Every widget below root (depth first, in child order) that satisfies test.
void collect(Widget root, const std::function<bool(Widget)>& test, std::vector<Widget>& out)
{
    if (test(root))
        out.push_back(root);
    if (!XtIsComposite(root))
        return;
    WidgetList children = nullptr;
    Cardinal count = 0;
    XtVaGetValues(root, XmNchildren, &children, XmNnumChildren, &count, nullptr);
    for (Cardinal i = 0; i < count; ++i)
        if (!children[i]->core.being_destroyed)
            collect(children[i], test, out);
}

std::vector<Widget> named_below(Widget root, const char* name)
{
    std::vector<Widget> out;
    collect(root, [name](Widget w) { return std::strcmp(XtName(w), name) == 0; }, out);
    return out;
}

}  // namespace

void show_page(const char* page_name)
{
    Widget page = page_widget(page_name);
    if (!page)
        return;
    XmTabStackSelectTab(page, True);
    pump_until([page] { return is_viewable(page); }, 10);
}

void scroll_to(const char* page_name, const char* widget_name)
{
    show_page(page_name);
    XmScrollVisible(page_widget(page_name), page_widget(widget_name), 4, 4);
    settle();
}

void select_position(Widget list, int position) { XmListSelectPos(list, position, True); }

void click_toggle(Widget toggle) { XmToggleButtonSetState(toggle, True, True); }

bool is_set(Widget toggle) { return XmToggleButtonGetState(toggle); }

Widget page_widget(const char* name)
{
    Widget widget = find_widget_in(object_config_tool->shell(), name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

Widget stored_table(const std::string& title)
{
    show_page("descr_scroll");
    const auto frames = named_below(object_config_tool->book().user_data_row_col(), title.c_str());
    EXPECT_FALSE(frames.empty()) << title;
    return frames.empty() ? nullptr : frames.front();
}

std::vector<std::string> table_labels(Widget frame)
{
    std::vector<Widget> labels;
    collect(frame, [](Widget w) { return !std::strcmp(XtName(w), "label") || !std::strcmp(XtName(w), "fake"); },
            labels);
    std::vector<std::string> texts;
    for (Widget label : labels)
        texts.push_back(label_of(label));
    return texts;
}

std::vector<Widget> table_fields(Widget frame) { return named_below(frame, "attribute"); }

std::vector<std::string> table_values(Widget frame)
{
    std::vector<std::string> texts;
    for (Widget field : table_fields(frame))
        texts.push_back(text_of(field));
    return texts;
}

std::string admin_login(const qv::test::TestServer& server, const std::vector<std::string>& args)
{
    std::vector<std::string> words = {"--user", "admin"};
    words.insert(words.end(), args.begin(), args.end());
    return admin(server, words, {{"QV_PASSWORD", "admin"}});
}

nlohmann::json stored_node(const qv::test::TestServer& server, long number, const std::string& attribute)
{
    return stored(server, node_dn(server, number), attribute);
}

}  // namespace qv::gui
