#include "ui/AgentPage.hpp"

#include "agents/AgentContext.hpp"
#include "agents/CurrentAgents.hpp"
#include "gui/Table.hpp"
#include "gui/WidgetMaker.hpp"
#include "model/NodeList.hpp"
#include "process/Catalogue.hpp"
#include "process/Rights.hpp"
#include "process/RunState.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/PageWidgets.hpp"

AgentPage* agent_page = nullptr;
Table* agent_table = nullptr;
int edit_agent_row = -1;

AgentPage::AgentPage(ObjectConfig* window, Table* table)
    : Page(window->book().agent_form()),
      table_(table),
      change_button_(window->book().change_button()),
      delete_button_(window->book().delete_button())
{
    const PropertyBook& book = window->book();
    if (!may_edit(modify_desc_agent_type_status_access)) {
        set_sensitive({book.add_button(), book.add_default_button(), book.protocol_option_menu()}, false);
        set_label_text(change_button_, cat_text(kToolSet, 902, " View... "));
    }
    table_->set_select_listener([this] { selection_changed(); });
}

void AgentPage::row_texts(const AgentMo& agent, RWCString texts[3])
{
    texts[0] = agent.get_proto_str();
    texts[1] = agent.is_default() ? RWCString(AgentMo::kDefaultName) : agent.get_name();
    texts[2] = agent.get_dn().empty() ? RWCString(AgentMo::kDefaultName) : agent.get_dn();
}

void AgentPage::fill_row(int row, const AgentMo& agent)
{
    RWCString texts[3];
    row_texts(agent, texts);
    for (int column = 0; column < 3; ++column)
        table_->create_cell(row, column, texts[column].c_str());
}

std::shared_ptr<AgentMo> AgentPage::entry_for(AgentMo* agent)
{
    if (agent->get_protocol() == PROTO_CMIP)
        return std::make_shared<CmipAgent>(static_cast<const CmipAgent&>(*agent));
    return share_agent(agent);
}

int AgentPage::find_agent(const AgentMo& agent) const
{
    const RWCString first = first_object_name();
    for (std::size_t i = 0; i < agents_.size(); ++i)
        if (agent.is_listed_as(*agents_[i], first))
            return static_cast<int>(i);
    return -1;
}

int AgentPage::row_of_pointer(const AgentMo* agent) const
{
    for (std::size_t i = 0; i < agents_.size(); ++i)
        if (agents_[i].get() == agent)
            return static_cast<int>(i);
    return -1;
}

void AgentPage::add_agent(AgentMo* agent, int write)
{
    if (!agent)
        return;
    std::shared_ptr<AgentMo> owner = share_agent(agent);
    const int found = find_agent(*agent);
    if (found >= 0) {
        table_->deselect_all();
        table_->select_row(found);
        agent->set_listed(1);
        selection_changed();
        change_agent(agent);
        return;
    }
    make_current(owner);
    // A row shows only what the agent's DN says. Reading the agent's managed
    // object (write 0) is left to whoever first needs its fields: the dialog
    // reads it when it shows the agent, Apply before it writes it.
    if (write)
        agent->get_mo(write);
    agents_.push_back(entry_for(agent));
    const int row = table_->add_row(table_->get_num_rows());
    fill_row(row, *agent);
    table_->deselect_all();
    selection_changed();
}

void AgentPage::change_agent(AgentMo* agent)
{
    if (!agent)
        return;
    std::shared_ptr<AgentMo> owner = share_agent(agent);
    const int row = agent->is_listed() ? find_agent(*agent) : row_of_pointer(agent);
    const RWCString name = agent->get_name();
    agent->set_default(name == first_object_name() || name == AgentMo::kDefaultName);
    make_current(owner);
    agent->get_mo(1);
    if (row < 0) {
        add_agent(agent, 1);
        return;
    }
    agents_[static_cast<std::size_t>(row)] = entry_for(agent);
    fill_row(row, *agent);
}

void AgentPage::delete_agent(int row)
{
    if (row < 0 || row >= static_cast<int>(agents_.size()))
        return;
    agents_.erase(agents_.begin() + row);
}

void AgentPage::add_default(const char* protocol)
{
    std::shared_ptr<AgentMo> agent;
    switch (protocol ? protocol[0] : '\0') {
    case 'S': agent = new_agent(PROTO_SNMP); break;
    case 'R': agent = new_agent(PROTO_RPC); break;
    case 'M':
        for (const Node& node : node_list)
            if (node.get_name() == server_name()) {
                page_error(page_text(900, "Cannot add default mis to %s", server_name()));
                return;
            }
        agent = new_agent(PROTO_MIS);
        break;
    default: return;
    }
    agent->set_name(AgentMo::kDefaultName);
    if (!node_list.empty())
        agent->set_system_name(node_list.front().handle().get_dn().system_name());
    add_agent(agent.get(), 0);
}

void AgentPage::clear_table()
{
    agents_.clear();
    table_->deselect_all();
    table_->clear_all();
    selection_changed();
}

int AgentPage::num_agents() { return table_->get_num_rows(); }

AgentMo* AgentPage::agent_at(int row) { return shared_agent_at(row).get(); }

std::shared_ptr<AgentMo> AgentPage::shared_agent_at(int row) const
{
    if (row < 0 || row >= static_cast<int>(agents_.size()))
        return nullptr;
    return agents_[static_cast<std::size_t>(row)];
}

void AgentPage::selection_changed()
{
    const bool selected = table_->get_num_selected() > 0;
    XtSetSensitive(change_button_, selected ? True : False);
    XtSetSensitive(delete_button_, (selected && may_edit(modify_desc_agent_type_status_access)) ? True : False);
}
