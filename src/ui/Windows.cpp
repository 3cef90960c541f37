#include "ui/Windows.hpp"

#include <Xm/Xm.h>

#include "ui/AgentConfigDialog.hpp"
#include "ui/ChooserDialog.hpp"
#include "ui/CmipDel.hpp"
#include "ui/DelObjectDesc.hpp"
#include "ui/NamesSelection.hpp"
#include "ui/ObjectBrowser.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/RpcConfig.hpp"
#include "ui/SnmpConfig.hpp"

#include "process/Catalogue.hpp"

ObjectConfig* object_config_tool = nullptr;
SnmpConfig* snmp_config_dialog = nullptr;
ChooserDialog* snmp_mib_dialog = nullptr;
ObjectBrowser* object_browser = nullptr;
DelObjectDesc* del_obj_desc_dialog = nullptr;
AgentConfigDialog* cmip_config_dialog = nullptr;
CmipDel* cmip_del_entity_dialog = nullptr;
AgentConfigDialog* mis_config_dialog = nullptr;
RpcConfig* rpc_config_dialog = nullptr;
ChooserDialog* rpc_agent_dialog = nullptr;
NamesSelection* names_dialog = nullptr;

void create_windows(Display* dpy, int argc, char** argv)
{
    object_config_tool = new ObjectConfig;
    object_config_tool->create(dpy, "ObjectConfig", argc, argv);
    XtVaSetValues(object_config_tool->shell(), XmNiconName, cat_text(kToolSet, 829, "Object Properties"), nullptr);

    snmp_config_dialog = new SnmpConfig;
    snmp_config_dialog->create(dpy, argc, argv);
    snmp_mib_dialog = new ChooserDialog;
    snmp_mib_dialog->create(snmp_config_dialog->shell(), "snmp_mib_dialog", 830, "Add SNMP MIBs");
    snmp_config_dialog->set_chooser(snmp_mib_dialog);
    object_browser = new ObjectBrowser;
    object_browser->create(snmp_config_dialog->shell());
    del_obj_desc_dialog = new DelObjectDesc;
    del_obj_desc_dialog->create(snmp_config_dialog->shell());

    cmip_config_dialog = new AgentConfigDialog(AgentConfigDialog::kCmip);
    cmip_config_dialog->create(dpy, argc, argv);
    cmip_del_entity_dialog = new CmipDel;
    cmip_del_entity_dialog->create(cmip_config_dialog->shell());

    mis_config_dialog = new AgentConfigDialog(AgentConfigDialog::kMis);
    mis_config_dialog->create(dpy, argc, argv);

    rpc_config_dialog = new RpcConfig;
    rpc_config_dialog->create(dpy, argc, argv);
    rpc_agent_dialog = new ChooserDialog;
    rpc_agent_dialog->create(rpc_config_dialog->shell(), "rp_agent_dialog", 831, "Add RPC Agents");
    rpc_config_dialog->set_chooser(rpc_agent_dialog);

    names_dialog = new NamesSelection;
    names_dialog->create(object_config_tool->shell());
}

std::vector<Widget> top_level_shells()
{
    std::vector<Widget> shells;
    if (object_config_tool)
        shells.push_back(object_config_tool->shell());
    for (AgentConfigDialog* dialog : agent_dialogs())
        if (dialog)
            shells.push_back(dialog->shell());
    return shells;
}

std::vector<AgentConfigDialog*> agent_dialogs()
{
    return {snmp_config_dialog, cmip_config_dialog, mis_config_dialog, rpc_config_dialog};
}
