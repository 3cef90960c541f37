// The tool's windows: created once, hidden, at start-up and kept for the
// life of the process.
#pragma once

#include <vector>

#include <X11/Intrinsic.h>

class AgentConfigDialog;
class ChooserDialog;
class CmipDel;
class DelObjectDesc;
class NamesSelection;
class ObjectBrowser;
class ObjectConfig;
class RpcConfig;
class SnmpConfig;

extern ObjectConfig* object_config_tool;
extern SnmpConfig* snmp_config_dialog;
extern ChooserDialog* snmp_mib_dialog;
extern ObjectBrowser* object_browser;
extern DelObjectDesc* del_obj_desc_dialog;
extern AgentConfigDialog* cmip_config_dialog;
extern CmipDel* cmip_del_entity_dialog;
extern AgentConfigDialog* mis_config_dialog;
extern RpcConfig* rpc_config_dialog;
extern ChooserDialog* rpc_agent_dialog;
extern NamesSelection* names_dialog;

// Builds every window, hidden, in start-up order: the main window, the SNMP
// dialog with its MIB chooser, the object browser and the delete-description
// dialog, the CMIP dialog with its delete dialog, the MIS dialog, the RPC
// dialog with its agent chooser, and the name selection dialog.
void create_windows(Display* display, int argc, char** argv);

// The application shells of the windows above, main window first.
std::vector<Widget> top_level_shells();
// The four agent dialogs: SNMP, CMIP, MIS, RPC.
std::vector<AgentConfigDialog*> agent_dialogs();
