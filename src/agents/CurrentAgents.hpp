// The agent each protocol's dialog shows: one per protocol, made on first use
// and replaced when the agent page or the dialog takes up another agent.
#pragma once

#include <memory>

#include "agents/CmipAgent.hpp"
#include "agents/MisAgent.hpp"
#include "agents/RpcAgent.hpp"
#include "agents/SnmpAgent.hpp"

extern std::shared_ptr<SnmpAgent> snmp_agent;
extern std::shared_ptr<RpcAgent> rpc_agent;
extern std::shared_ptr<CmipAgent> cmip_agent;
extern std::shared_ptr<MisAgent> mis_agent;

// Makes agent the current agent of its protocol.
void make_current(const std::shared_ptr<AgentMo>& agent);
// The current agent of a protocol, null when there is none yet.
std::shared_ptr<AgentMo> current_agent(ProtocolType protocol);
// A fresh agent of a protocol with default fields (null for none).
std::shared_ptr<AgentMo> new_agent(ProtocolType protocol);
