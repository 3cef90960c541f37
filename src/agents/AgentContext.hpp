// What the agent classes are given by start-up: their dialogs (as small views,
// so the agents never see a widget; a dialog is built when first asked for), how to tell the user of a failure, and
// which object is being edited. Set once before any agent is made; left empty
// the agents work without a dialog and report on standard error.
#pragma once

#include <functional>

#include "agents/AgentMo.hpp"
#include "platform/Types.hpp"

class SnmpAgentView;
class RpcAgentView;
class CmipAgentView;
class MisAgentView;

struct AgentContext {
    std::function<SnmpAgentView*()> snmp;
    std::function<RpcAgentView*()> rpc;
    std::function<CmipAgentView*()> cmip;
    std::function<MisAgentView*()> mis;
    // Shows a message in the modal error dialog over the protocol's dialog and
    // returns when it is closed.
    std::function<void(ProtocolType, const RWCString&)> report;
    // The name of the first object being edited, "" when there is none.
    std::function<RWCString()> first_object_name;
};

AgentContext& agent_context();

void agent_report(ProtocolType protocol, const RWCString& message);
RWCString first_object_name();

// Whether the user may write agents: always while creating an object, else
// with the right to modify agents. Without it the dialogs are read-only.
bool may_write_agents();
