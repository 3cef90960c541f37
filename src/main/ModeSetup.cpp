#include "main/ModeSetup.hpp"

#include <Xm/Xm.h>

#include "agents/CurrentAgents.hpp"
#include "gui/Table.hpp"
#include "process/Catalogue.hpp"
#include "process/RunState.hpp"
#include "ui/RpcConfig.hpp"
#include "ui/Windows.hpp"

namespace {

// Five rows, two columns: schema name, host.
constexpr int kRpcRows = 5;
constexpr int kRpcColumns = 2;

}  // namespace

void init_agent_mode(const RWCString& name)
{
    const std::shared_ptr<AgentMo> agent = new_agent(static_cast<ProtocolType>(protocol_type));
    if (!agent)
        return;
    make_current(agent);
    if (!name.empty())
        agent->fill_defaults(name);
}

void init_rpc_table()
{
    if (rpc_agent_table)
        return;
    rpc_agent_table = new Table(rpc_config_dialog->table_frame());
    rpc_agent_table->create_table(kRpcRows, kRpcColumns);
    rpc_agent_table->create_col_label(0, cat_text(kToolSet, 809, "Agent Name"), 20);
    rpc_agent_table->create_col_label(1, cat_text(kToolSet, 810, "Proxy Host"), 20);
    rpc_agent_table->set_visible_columns(kRpcColumns);
    rpc_agent_table->allow_select(1);
}

void init_member_drag_actions() {}
