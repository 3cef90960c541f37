// The agent managed objects and their names: SNMP proxy agents, RPC proxy
// agents and CMIP agent entities (which also stand for MIS hosts).
#pragma once

#include "platform/QvAgentDn.hpp"
#include "platform/QvCmipAgent.hpp"
#include "platform/QvRpcAgent.hpp"
#include "platform/QvSnmpAgent.hpp"
