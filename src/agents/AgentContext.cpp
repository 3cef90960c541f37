#include "agents/AgentContext.hpp"

#include <cstdio>

#include "process/Rights.hpp"
#include "process/RunState.hpp"

AgentContext& agent_context()
{
    static AgentContext context;
    return context;
}

void agent_report(ProtocolType protocol, const RWCString& message)
{
    const AgentContext& c = agent_context();
    if (c.report)
        c.report(protocol, message);
    else
        std::fprintf(stderr, "%s\n", message.c_str());
}

RWCString first_object_name()
{
    const AgentContext& c = agent_context();
    return c.first_object_name ? c.first_object_name() : RWCString();
}

bool may_write_agents() { return create_node || modify_desc_agent_type_status_access; }
