#include "main/InitGui.hpp"

#include <cstdio>
#include <cstring>
#include <string>

#include <Xm/Xm.h>

#include "gui/CloseHandler.hpp"
#include "gui/WidgetMaker.hpp"
#include "gui/XtGlobals.hpp"
#include "main/ModeSetup.hpp"
#include "main/TitleText.hpp"
#include "platform/XtBinding.hpp"
#include "process/Catalogue.hpp"
#include "process/ProgramExit.hpp"
#include "process/RunState.hpp"
#include "ui/CmipConfig.hpp"
#include "ui/MisConfig.hpp"
#include "ui/ExitFlows.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/RpcConfig.hpp"
#include "ui/SnmpConfig.hpp"
#include "ui/Windows.hpp"

namespace {

struct MainShellChoice {
    Widget shell;
    int title_number;
    const char* title;
};

MainShellChoice choose_main_shell()
{
    switch (protocol_type) {
    case 1:
        return {cmip_config_dialog()->shell(), 802, "CMIP Configuration"};
    case 2:
        return {mis_config_dialog()->shell(), 804, "MIS Configuration"};
    case 3:
        return {rpc_config_dialog()->shell(), 805, "RPC Configuration"};
    case 4:
        return {snmp_config_dialog()->shell(), 803, "SNMP Configuration"};
    default:
        return {object_config_tool->shell(), 801, "Zentra - Object Properties"};
    }
}

const char* program_basename(const char* program)
{
    const char* slash = std::strrchr(program, '/');
    return slash ? slash + 1 : program;
}

}  // namespace

void init_gui(int& argc, char** argv)
{
    XtSetLanguageProc(nullptr, nullptr, nullptr);
    XtToolkitInitialize();
    open_catalogue();
    // One application context per process; whoever needs it first makes it.
    if (!app_context)
        app_context = XtCreateApplicationContext();
    set_app_context(app_context);

    // The command line is the tool's own: Xt would take -name (and -n, or
    // -t for -title) as its options and rename the application, so it is
    // shown the program name alone.
    int xt_argc = 1;
    display =
        XtOpenDisplay(app_context, nullptr, program_basename(argv[0]), kAppClass, nullptr, 0, &xt_argc, argv);
    if (!display) {
        std::printf(cat_text(kToolSet, 800, "%s: can't open display, exiting...\n"), argv[0]);
        program_exit(-1);
    }

    create_windows(display, argc, argv);

    const MainShellChoice main = choose_main_shell();
    root_widget = main.shell;
    if (protocol_type == 0)
        route_dialog_closes_to_cancel();
    const std::string title =
        format_title(cat_text(kToolSet, main.title_number, main.title), kVersionText, server ? server : "");
    XtVaSetValues(root_widget, XmNtitle, title.c_str(), nullptr);

    if (create_node) {
        set_label_text(object_config_tool->type_frame_label(), cat_text(kToolSet, 833, "Object Type"));
        set_label_text(object_config_tool->prop_label(), cat_text(kToolSet, 834, "Detailed Properties"));
        set_focus();
    }
    close_callback(root_widget, exit_callback, nullptr);
}

void set_focus()
{
    Widget field = object_config_tool->name_text_field();
    // The field itself becomes the active item (a traversal to the "next"
    // item would move away from whatever is active, not onto the field); it
    // is also the window's initial focus, for when the window manager first
    // gives the window the keyboard.
    XtVaSetValues(object_config_tool->tolvar_dialog(), XmNinitialFocus, field, nullptr);
    XmProcessTraversal(field, XmTRAVERSE_CURRENT);
}
