// qv_browser_bench: the object browser opening a node with 10,000 children
// (one derivation, 10,000 closed nodes in sorted position) against the
// baseline of the same outline widget filled with 10,000 labelled push
// buttons, in the same process on the same display.
#include <chrono>
#include <cstdio>
#include <string>

#include <Xm/Hierarchy.h>
#include <Xm/Outline.h>
#include <Xm/PushB.h>
#include <Xm/ScrolledW.h>
#include <Xm/Xm.h>
#include <nlohmann/json.hpp>

#include "platform/Platform.hpp"
#include "platform/XtBinding.hpp"
#include "process/RunState.hpp"
#include "support/TestServer.hpp"
#include "ui/Browser.hpp"
#include "ui/BrowserTree.hpp"
#include "widgets/Outline.hpp"

namespace {

constexpr int kChildren = 10000;
const std::string kParent = "mibGroupId=\"bench\"";

using Clock = std::chrono::steady_clock;

double seconds_since(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// A document with one object below the local system holding kChildren.
std::string bench_document()
{
    nlohmann::json objects = nlohmann::json::array();
    objects.push_back({{"dn", kParent}, {"class", "snmpMibGroup"}, {"attrs", nlohmann::json::object()}});
    for (int i = 1; i <= kChildren; ++i) {
        char rdn[64];
        std::snprintf(rdn, sizeof rdn, "/hrSWRunEntryId=%05d", i);
        objects.push_back({{"dn", kParent + rdn}, {"class", "hrSWRunEntry"}, {"attrs", nlohmann::json::object()}});
    }
    return nlohmann::json{{"format", "qv-topology"}, {"version", 1}, {"types", nlohmann::json::array()},
                          {"nodes", nlohmann::json::array()}, {"objects", objects}}
        .dump();
}

Widget scrolled_window(Widget shell, const char* name)
{
    return XtVaCreateManagedWidget(name, xmScrolledWindowWidgetClass, shell, XmNscrollingPolicy, XmAUTOMATIC, XmNwidth,
                                   500, XmNheight, 500, nullptr);
}

void settle(XtAppContext context, Widget shell)
{
    XSync(XtDisplay(shell), False);
    while (XtAppPending(context))
        XtAppProcessEvent(context, XtIMAll);
}

// The baseline: the same outline, one open node and 10,000 closed children,
// laid out once.
double fill_bare_outline(XtAppContext context, Widget top)
{
    Widget shell = XtVaAppCreateShell("bare", "QvBench", topLevelShellWidgetClass, XtDisplay(top), nullptr);
    Widget outline = create_outline(scrolled_window(shell, "bare_window"), "bare", [](Widget, XtPointer, XtPointer) {},
                                    nullptr);
    XtRealizeWidget(shell);
    settle(context, shell);
    const auto start = Clock::now();
    suspend_outline_layout(outline);
    Widget parent = create_outline_node(outline, nullptr, nullptr, "parent", "parent", kOutlineOpen);
    for (int i = 1; i <= kChildren; ++i) {
        char label[64];
        std::snprintf(label, sizeof label, "hrSWRunEntryId=%05d", i);
        create_outline_node(outline, parent, nullptr, label, label, kOutlineClosed);
    }
    resume_outline_layout(outline);
    settle(context, shell);
    return seconds_since(start);
}

double open_in_browser(XtAppContext context, Widget top, const std::string& system)
{
    Widget shell = XtVaAppCreateShell("browser", "QvBench", topLevelShellWidgetClass, XtDisplay(top), nullptr);
    create_browser_window(scrolled_window(shell, "mw_navigator_window"));
    XtRealizeWidget(shell);
    const std::string root = "/systemId=name:\"" + system + "\"";
    build_tree(root);
    settle(context, shell);
    Browser* parent = find_album_object(root + "/" + kParent);
    if (!parent || !parent->widget)
        return -1;
    const auto start = Clock::now();
    XtVaSetValues(parent->widget, XmNnodeState, XmOpen, nullptr);
    XmHierarchyNodeStateData data{parent->widget, XmOpen};
    XtCallCallbacks(mw_navigator, XmNnodeStateCallback, &data);
    settle(context, shell);
    const double elapsed = seconds_since(start);
    const bool opened = parent->child_count == kChildren;
    destroy_tree();  // as closing the browser does: the tree's objects go with it
    return opened ? elapsed : -1;
}

}  // namespace

int main(int argc, char** argv)
{
    qv::test::ServerOptions options;
    options.load_text = bench_document();
    qv::test::TestServer server(options);

    XtAppContext context = nullptr;
    Widget top = XtVaOpenApplication(&context, "QvBench", nullptr, 0, &argc, argv, nullptr,
                                     applicationShellWidgetClass, XmNmappedWhenManaged, False, nullptr);
    XtRealizeWidget(top);
    set_app_context(context);
    Platform platform;
    platform.set_port(server.port());
    if (!platform.connect("localhost", "qv_bench")) {
        std::fprintf(stderr, "qv_browser_bench: %s\n", platform.get_error_string().c_str());
        return 1;
    }
    set_server_connection(&platform);

    const double bare = fill_bare_outline(context, top);
    const double browser = open_in_browser(context, top, platform.system_name());
    std::printf("Object browser, a node with %d children\n", kChildren);
    std::printf("  bare outline filled with %d labelled nodes   %8.3f s\n", kChildren, bare);
    std::printf("  browser node opened (derive + %d nodes)      %8.3f s\n", kChildren, browser);
    if (browser > 0 && bare > 0)
        std::printf("  ratio browser / bare                          %8.2f\n", browser / bare);
    return browser < 0 ? 1 : 0;
}
