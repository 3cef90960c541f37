#include "main/ModeSetup.hpp"

#include <Xm/Xm.h>

#include "agents/CurrentAgents.hpp"
#include "gui/Table.hpp"
#include "process/Catalogue.hpp"
#include "process/RunState.hpp"
#include "ui/RpcConfig.hpp"
#include "ui/Windows.hpp"

void init_agent_mode(const RWCString& name)
{
    const std::shared_ptr<AgentMo> agent = new_agent(static_cast<ProtocolType>(protocol_type));
    if (!agent)
        return;
    make_current(agent);
    if (!name.empty())
        agent->fill_defaults(name);
}
