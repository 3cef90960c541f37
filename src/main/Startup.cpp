#include "main/Startup.hpp"

#include <cstring>

#include <Xm/Xm.h>

#include "gui/BusyCursor.hpp"
#include "gui/XtGlobals.hpp"
#include "help/HelpLauncher.hpp"
#include "main/AccessControl.hpp"
#include "main/Connect.hpp"
#include "main/Handshake.hpp"
#include "main/InitGui.hpp"
#include "main/ModeSetup.hpp"
#include "main/ModelSetup.hpp"
#include "main/StartOptions.hpp"
#include "main/Usage.hpp"
#include "process/ProgramExit.hpp"
#include "process/RunState.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/Windows.hpp"

namespace {

// The height that fits the agent page into the window.
constexpr Dimension kAgentFormHeight = 553;

void apply_mode(const StartOptions& options)
{
    protocol_type = options.protocol_type;
    create_managed_obj = options.agent_mode ? 1 : 0;
    create_node = options.create_mode ? 1 : 0;
    server = strdup(choose_server(options).c_str());
}

void show_main_shell()
{
    XtRealizeWidget(root_widget);
    XtVaSetValues(object_config_tool->agent_form2(), XmNheight, kAgentFormHeight, nullptr);
    set_busy_cursor(root_widget);
}

void prepare_agent_mode(const StartOptions& options)
{
    show_main_shell();
    RWCString name = options.name;
    const std::size_t blank = name.find(' ');
    if (blank != RWCString::npos)
        name.erase(blank);
    init_agent_mode(name);
    reset_busy_cursor(root_widget);
}

void prepare_main_window(const StartOptions& options)
{
    show_main_shell();
    if (create_node)
        set_focus();  // again: before the window existed the traversal could not take
    Widget table = object_config_tool->book().table_frame();
    init_table();
    XtSetSensitive(table, False);
    init_book();
    init_header(options.name, options.id, options.visible_children, options.bus_locations, options.parent,
                options.link, options.type);
    reset_busy_cursor(root_widget);
    XtSetSensitive(table, True);
}

}  // namespace

void run_startup(int& argc, char** argv)
{
    server = nullptr;
    protocol_type = 0;
    StartOptions options;
    if (!parse_command_line(argc, argv, options)) {
        usage();
        program_exit(1);
    }
    apply_mode(options);

    init_gui(argc, argv);
    init_help(root_widget);
    connect();
    if (options.handshake_fd != 0)
        g2_panel_response(options.handshake_fd, argv[0]);
    access_control();
    init_model_context();
    init_agent_context();

    if (create_managed_obj)
        prepare_agent_mode(options);
    else
        prepare_main_window(options);
}

void tolvar_main(int argc, char** argv)
{
    run_startup(argc, argv);
    XtAppMainLoop(app_context);
    program_exit(0);
}
