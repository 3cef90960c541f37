#include "ui/Windows.hpp"

#include <Xm/Xm.h>

#include "gui/MemberCallback.hpp"
#include "gui/CloseHandler.hpp"
#include "process/Catalogue.hpp"
#include "ui/AgentConfigDialog.hpp"
#include "ui/ChooserDialog.hpp"
#include "ui/CmipConfig.hpp"
#include "ui/CmipDel.hpp"
#include "ui/DelObjectDesc.hpp"
#include "ui/DragDrop.hpp"
#include "ui/MisConfig.hpp"
#include "ui/NamesSelection.hpp"
#include "ui/ObjectBrowser.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/RpcConfig.hpp"
#include "ui/SnmpConfig.hpp"

ObjectConfig* object_config_tool = nullptr;

namespace {

// What the application shells of the dialogs are built with.
Display* shell_display = nullptr;
int shell_argc = 0;
char** shell_argv = nullptr;
bool closes_cancel = false;

SnmpConfig* snmp = nullptr;
ChooserDialog* snmp_mib = nullptr;
ObjectBrowser* browser = nullptr;
DelObjectDesc* del_obj_desc = nullptr;
CmipConfig* cmip = nullptr;
CmipDel* cmip_del = nullptr;
MisConfig* mis = nullptr;
RpcConfig* rpc = nullptr;
ChooserDialog* rpc_agents = nullptr;
NamesSelection* names = nullptr;

void route_close(AgentConfigDialog* dialog)
{
    close_callback(dialog->shell(), &member_trampoline<AgentConfigDialog, &AgentConfigDialog::cancel_button_cb>,
                   dialog);
}

void route_close(NamesSelection* dialog)
{
    close_callback(dialog->xd_rootwidget(), &member_trampoline<NamesSelection, &NamesSelection::cancel_button_cb>,
                   dialog);
}

void route_close(ObjectBrowser* dialog)
{
    close_callback(dialog->shell(), &member_trampoline<ObjectBrowser, &ObjectBrowser::object_browser_close_cb>,
                   dialog);
}

template <class Dialog>
Dialog* with_close_routed(Dialog* dialog)
{
    if (closes_cancel)
        route_close(dialog);
    return dialog;
}

// A dialog built on parent.
template <class Dialog>
Dialog* built_on(Widget parent)
{
    auto* dialog = new Dialog;
    dialog->create(parent);
    return dialog;
}

// An agent dialog just built: browser nodes drop on its Object Path.
template <class Dialog>
Dialog* built_agent_dialog(Dialog* dialog)
{
    dialog->create(shell_display, shell_argc, shell_argv);
    if (Widget path = dialog->object_path_field())
        register_config_drop_site(path);
    return with_close_routed(dialog);
}

// The dialog kept in slot, built by build when first asked for.
template <class Dialog, class Build>
Dialog* once(Dialog*& slot, Build build)
{
    if (!slot)
        slot = build();
    return slot;
}

// An agent dialog with its chooser of what to add (MIBs, RPC agents).
template <class Dialog>
Dialog* built_with_chooser(Dialog*& dialog, ChooserDialog*& chooser, const char* name, int title_number,
                           const char* title)
{
    return once(dialog, [&] {
        auto* built = built_agent_dialog(new Dialog);
        chooser = new ChooserDialog;
        chooser->create(built->shell(), name, title_number, title);
        built->set_chooser(chooser);
        return built;
    });
}

}  // namespace

void create_windows(Display* dpy, int argc, char** argv)
{
    shell_display = dpy;
    shell_argc = argc;
    shell_argv = argv;
    object_config_tool = new ObjectConfig;
    object_config_tool->create(dpy, "ObjectConfig", argc, argv);
    XtVaSetValues(object_config_tool->shell(), XmNiconName, cat_text(kToolSet, 829, "Object Properties"), nullptr);
}

void route_dialog_closes_to_cancel()
{
    closes_cancel = true;
    for (AgentConfigDialog* dialog : agent_dialogs())
        route_close(dialog);
    if (names)
        route_close(names);
    if (browser)
        route_close(browser);
}

SnmpConfig* snmp_config_dialog() { return built_with_chooser(snmp, snmp_mib, "snmp_mib_dialog", 830, "Add SNMP MIBs"); }

ChooserDialog* snmp_mib_dialog()
{
    snmp_config_dialog();
    return snmp_mib;
}

ObjectBrowser* object_browser()
{
    return once(browser, [] { return with_close_routed(built_on<ObjectBrowser>(snmp_config_dialog()->shell())); });
}

DelObjectDesc* del_obj_desc_dialog()
{
    return once(del_obj_desc, [] { return built_on<DelObjectDesc>(snmp_config_dialog()->shell()); });
}

CmipConfig* cmip_config_dialog()
{
    return once(cmip, [] {
        auto* built = built_agent_dialog(new CmipConfig);
        cmip_del = built_on<CmipDel>(built->shell());
        built->set_delete_dialog(cmip_del);
        return built;
    });
}

CmipDel* cmip_del_entity_dialog()
{
    cmip_config_dialog();
    return cmip_del;
}

MisConfig* mis_config_dialog() { return once(mis, [] { return built_agent_dialog(new MisConfig); }); }

RpcConfig* rpc_config_dialog() { return built_with_chooser(rpc, rpc_agents, "rp_agent_dialog", 831, "Add RPC Agents"); }

ChooserDialog* rpc_agent_dialog()
{
    rpc_config_dialog();
    return rpc_agents;
}

NamesSelection* names_dialog()
{
    return once(names, [] { return with_close_routed(built_on<NamesSelection>(object_config_tool->shell())); });
}

bool object_browser_built() { return browser != nullptr; }
bool del_obj_desc_dialog_built() { return del_obj_desc != nullptr; }

std::vector<Widget> top_level_shells()
{
    std::vector<Widget> shells;
    if (object_config_tool)
        shells.push_back(object_config_tool->shell());
    for (AgentConfigDialog* dialog : agent_dialogs())
        shells.push_back(dialog->shell());
    return shells;
}

std::vector<AgentConfigDialog*> agent_dialogs()
{
    std::vector<AgentConfigDialog*> built;
    for (AgentConfigDialog* dialog : {static_cast<AgentConfigDialog*>(snmp), static_cast<AgentConfigDialog*>(cmip),
                                      static_cast<AgentConfigDialog*>(mis), static_cast<AgentConfigDialog*>(rpc)})
        if (dialog)
            built.push_back(dialog);
    return built;
}
