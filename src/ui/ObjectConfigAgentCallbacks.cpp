// The main window's agent controls: the protocol menu, "Configure
// Manually...", "Configure Default", "Change... " and "Delete", acting on the
// agent page and the protocol dialogs.
#include <Xm/Xm.h>

#include "agents/CurrentAgents.hpp"
#include "gui/Table.hpp"
#include "model/NodeList.hpp"
#include "process/Catalogue.hpp"
#include "process/Rights.hpp"
#include "process/RunState.hpp"
#include "ui/AgentConfigDialog.hpp"
#include "ui/CmipConfig.hpp"
#include "ui/AgentPage.hpp"
#include "ui/Header.hpp"
#include "ui/MisConfig.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/PageWidgets.hpp"
#include "ui/RpcConfig.hpp"
#include "ui/SnmpConfig.hpp"
#include "ui/Windows.hpp"

namespace {

// The protocol menu's buttons, in order.
constexpr ProtocolType kMenuProtocols[] = {PROTO_SNMP, PROTO_RPC, PROTO_MIS, PROTO_CMIP};

ProtocolType chosen_protocol(PropertyBook& book)
{
    Widget current = nullptr;
    XtVaGetValues(book.protocol_option_menu(), XmNmenuHistory, &current, nullptr);
    for (int index = 0; index < 4; ++index)
        if (book.protocol_button(index) == current)
            return kMenuProtocols[index];
    return PROTO_SNMP;
}

AgentConfigDialog* dialog_of(ProtocolType protocol)
{
    switch (protocol) {
    case PROTO_SNMP: return snmp_config_dialog();
    case PROTO_RPC: return rpc_config_dialog();
    case PROTO_MIS: return mis_config_dialog();
    default: return cmip_config_dialog();
    }
}

RWCString first_system_name()
{
    return node_list.empty() ? RWCString() : node_list.front().handle().get_dn().system_name();
}

}  // namespace

void ObjectConfig::protocol_change_cb(Widget widget, XtPointer)
{
    const bool cmip = widget == book_.protocol_button(3);
    XtSetSensitive(book_.add_default_button(),
                   (!cmip && may_edit(modify_desc_agent_type_status_access)) ? True : False);
}

void ObjectConfig::add_cb(Widget, XtPointer)
{
    const ProtocolType protocol = chosen_protocol(book_);
    std::shared_ptr<AgentMo> agent = current_agent(protocol);
    if (!agent) {
        agent = new_agent(protocol);
        make_current(agent);
    }
    agent->set_system_name(first_system_name());
    // The dialog shows the agent as it stands, whatever it showed before.
    agent->show();
    dialog_of(protocol)->xd_show();
}

void ObjectConfig::add_default_cb(Widget, XtPointer)
{
    if (create_node) {
        const RWCString name = header->get_current_name();
        if (name.empty()) {
            page_error(cat_text(kToolSet, 200, "Name field is empty"));
            return;
        }
        add_new_node_to_list(name);
    } else if (node_list.empty() || (node_list.size() == 1 && node_list.front().get_name().empty())) {
        page_error(cat_text(kToolSet, 200, "Name field is empty"));
        return;
    }
    agent_page->mark_changed();
    switch (chosen_protocol(book_)) {
    case PROTO_SNMP: agent_page->add_default("SNMP"); break;
    case PROTO_RPC: agent_page->add_default("RPC"); break;
    case PROTO_MIS: agent_page->add_default("MIS"); break;
    default: break;
    }
}

void ObjectConfig::change_cb(Widget, XtPointer)
{
    edit_agent_row = agent_table->get_selected_row();
    const std::shared_ptr<AgentMo> agent = agent_page->shared_agent_at(edit_agent_row);
    if (!agent)
        return;
    agent->set_editing(1);
    make_current(agent);
    agent->fill_defaults(agent->get_name());
    dialog_of(agent->get_protocol())->xd_show();
}

void ObjectConfig::delete_cb(Widget, XtPointer)
{
    if (agent_table->get_num_selected() < 2) {
        agent_page->delete_agent(agent_table->get_selected_row());
    } else {
        for (int row = agent_table->get_num_rows() - 1; row >= 0; --row)
            if (agent_table->is_selected(row) >= 0)
                agent_page->delete_agent(row);
    }
    agent_table->delete_selected();
    set_sensitive({book_.delete_button(), book_.change_button()}, false);
    agent_page->mark_changed();
}
