// The tool's windows. The main window is built at start-up; the dialogs are
// built, hidden, when first asked for (most runs never open one, and each
// costs start-up time and memory) and kept for the life of the process.
#pragma once

#include <vector>

#include <X11/Intrinsic.h>

class AgentConfigDialog;
class ChooserDialog;
class CmipConfig;
class CmipDel;
class DelObjectDesc;
class MisConfig;
class NamesSelection;
class ObjectBrowser;
class ObjectConfig;
class RpcConfig;
class SnmpConfig;

extern ObjectConfig* object_config_tool;

// Builds the main window, hidden, and keeps what the dialogs are built with.
void create_windows(Display* display, int argc, char** argv);
// From now on a dialog closed by the window manager takes its Cancel (the
// main window is in charge); applies to dialogs built before and after.
void route_dialog_closes_to_cancel();

// Each dialog, built on the first call. The SNMP dialog comes with its MIB
// chooser, the object browser and the delete-description dialog (its
// children), the CMIP dialog with its delete dialog, the RPC dialog with its
// agent chooser; the name selection dialog belongs to the main window.
SnmpConfig* snmp_config_dialog();
ChooserDialog* snmp_mib_dialog();
ObjectBrowser* object_browser();
DelObjectDesc* del_obj_desc_dialog();
CmipConfig* cmip_config_dialog();
CmipDel* cmip_del_entity_dialog();
MisConfig* mis_config_dialog();
RpcConfig* rpc_config_dialog();
ChooserDialog* rpc_agent_dialog();
NamesSelection* names_dialog();

// Whether the dialog has been built (asking does not build it).
bool object_browser_built();
bool del_obj_desc_dialog_built();

// The application shells built so far, main window first.
std::vector<Widget> top_level_shells();
// The agent dialogs built so far, of SNMP, CMIP, MIS, RPC in that order.
std::vector<AgentConfigDialog*> agent_dialogs();
