#include "main/ModelSetup.hpp"

#include "agents/AgentContext.hpp"
#include "gui/XtGlobals.hpp"
#include "model/ModelContext.hpp"
#include "model/NodeList.hpp"
#include "ui/AgentConfigDialog.hpp"
#include "ui/CmipConfig.hpp"
#include "ui/ErrorDialog.hpp"
#include "ui/MisConfig.hpp"
#include "ui/RpcConfig.hpp"
#include "ui/SnmpConfig.hpp"
#include "ui/Windows.hpp"

void init_model_context()
{
    // Failures of the model are shown over the main shell; both buttons only
    // close the dialog.
    model_context().report = [](const RWCString& message) {
        error_dialog(root_widget, message.c_str(), cancel_error, cancel_error);
    };
}

namespace {

AgentConfigDialog* dialog_of(ProtocolType protocol)
{
    switch (protocol) {
    case PROTO_SNMP: return snmp_config_dialog();
    case PROTO_RPC: return rpc_config_dialog();
    case PROTO_MIS: return mis_config_dialog();
    case PROTO_CMIP: return cmip_config_dialog();
    default: return nullptr;
    }
}

}  // namespace

void init_agent_context()
{
    AgentContext& c = agent_context();
    c.snmp = [] { return static_cast<SnmpAgentView*>(snmp_config_dialog()); };
    c.rpc = [] { return static_cast<RpcAgentView*>(rpc_config_dialog()); };
    c.cmip = [] { return static_cast<CmipAgentView*>(cmip_config_dialog()); };
    c.mis = [] { return static_cast<MisAgentView*>(mis_config_dialog()); };
    // Over the protocol's dialog, which the failure concerns.
    c.report = [](ProtocolType protocol, const RWCString& message) {
        AgentConfigDialog* dialog = dialog_of(protocol);
        if (dialog)
            dialog->report(message);
        else
            error_dialog(root_widget, message.c_str(), cancel_error, cancel_error);
    };
    c.first_object_name = [] { return node_list.empty() ? RWCString() : node_list.front().get_name(); };
}
