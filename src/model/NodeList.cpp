#include "model/NodeList.hpp"

#include "model/Lookups.hpp"
#include "model/ModelContext.hpp"
#include "model/ReadScope.hpp"
#include "platform/QvTopoPlatform.hpp"
#include "platform/QvTopoType.hpp"
#include "process/Catalogue.hpp"
#include "process/RunState.hpp"

RWTValSlist<Node> node_list;
Node old_saved_node;

namespace {

// Shows a newly listed object in every section of the window.
void fill_window_from(Node& node, const RWCString& type)
{
    const std::string dn = node.handle().dn_text();
    if (ReadScope::shows(dn))
        return;
    ModelContext& c = model_context();
    node.get_coordinates();
    c.header->update_types(type);
    node.get_display_status();
    node.get_object_desc();
    node.get_agents(node.handle().get_dn().system_name());
    node.get_background_properties();
    ReadScope::mark_shown(dn);
}

// With several objects, sections that belong to the first one's kind alone
// go. True when one went.
bool hide_single_object_sections(const RWCString& first_type)
{
    DisplayView& page = *model_context().display;
    bool hidden = false;
    if (QvTopoType::is_view(first_type)) {
        page.show_view_controls(false);
        hidden = true;
    }
    if (QvTopoType::is_monitor(first_type)) {
        page.show_monitor_section(false);
        hidden = true;
    }
    if (QvTopoType::is_array(first_type)) {
        page.show_array_section(false);
        hidden = true;
    }
    return hidden;
}

}  // namespace

void add_node_to_list(const QvTopoNodeDn& dn)
{
    ModelContext& c = model_context();
    QvTopoNode handle(server_connection());
    handle.set_dn(dn);
    const QvStatus status = ReadScope::load(handle);
    if (!status)
        model_report(get_error_str(status));
    Node node;
    node.add_node(handle);
    node_list.push_back(node);

    if (node_list.size() == 1) {
        RWCString type;
        node_list.back().handle().get_type_name(type);
        fill_window_from(node_list.back(), type);
        return;
    }
    RWCString first_type;
    node_list.front().handle().get_type_name(first_type);
    if (c.header->is_mixed_state()) {
        c.header->set_types_sensitivity(0);
        c.stored_data->clear_page();
        ReadScope::pages_changed();
    }
    if (hide_single_object_sections(first_type))
        ReadScope::pages_changed();
}

void show_selected_object(Node& node)
{
    const std::string dn = node.handle().dn_text();
    ModelContext& c = model_context();
    c.header->set_types_sensitivity(1);
    RWCString type;
    node.handle().get_type_name(type);
    c.header->update_types(type);
    if (ReadScope::shows(dn))
        return;
    c.agents->clear_table();
    node.get_agents(node.handle().get_dn().system_name());
    node.get_coordinates();
    node.get_display_status();
    c.stored_data->clear_page();
    node.get_object_desc();
    node.get_background_properties();
    ReadScope::mark_shown(dn);
}

void add_new_node_to_list(const RWCString& name)
{
    ModelContext& c = model_context();
    const Node model = node_list.empty() ? old_saved_node : node_list.front();
    if (node_list.size() == 1 && node_list.front().get_name().empty())
        node_list.clear();
    QvTopoNode copy = model.handle();
    copy.set_name(name);
    Node node;
    node.add_node(copy);
    node_list.push_back(node);
    if (node_list.size() != 1)
        return;
    ReadScope::pages_changed();
    Node& only = node_list.front();
    only.get_coordinates();
    only.get_display_status();
    c.stored_data->clear_page();
    only.get_object_desc();
    only.get_agents(only.handle().get_dn().system_name());
    only.get_background_properties();
    if (create_node)
        c.display->set_array_defaults();
}

void remove_node_from_list(int& index)
{
    if (node_list.empty() || index < 0 || index >= static_cast<int>(node_list.size()))
        return;
    ModelContext& c = model_context();
    old_saved_node = node_list[static_cast<std::size_t>(index)];
    for (auto it = node_list.begin(); it != node_list.end(); ++it) {
        if (*it == old_saved_node) {
            node_list.erase(it);
            break;
        }
    }
    if (!node_list.empty())
        return;
    ReadScope::pages_changed();
    c.agents->clear_table();
    c.stored_data->clear_page();
    c.header->set_types_sensitivity(1);
    c.display->show_monitor_section(false);
    c.display->show_array_section(false);
    c.display->show_view_controls(false);
}

RWTValSlist<QvTopoNodeDn> find_topo_nodes(const char* name)
{
    RWTValSlist<QvTopoNodeDn> nodes;
    QvTopoPlatform* topology = QvTopoPlatform::instance();
    if (!topology || !name)
        return nodes;
    if (!topology->find_nodes_by_name(name, {}, nodes))
        nodes.clear();
    return nodes;
}

RWTValSlist<RWCString> get_topo_pathnames(QvTopoNode& node)
{
    QvStatus status = ReadScope::load(node);
    if (!status)
        model_report(get_error_str(status));
    RWTValSlist<RWCString> pathnames;
    status = node.get_topology_pathnames(pathnames);
    if (!status)
        model_report(get_error_str(status));
    return pathnames;
}

int add_parent_to_node(const QvTopoNodeDn& node, const QvTopoNodeDn& parent)
{
    QvTopoNode handle(server_connection());
    if (!handle.set_dn(node))
        return 0;
    QvTopoNode::AttributeSet parents(36);
    parents.insert(QvTopoNode::AttrParents);
    if (!handle.load_some_attributes(parents) || !handle.add_parent(parent))
        return 0;
    return handle.store_all_attributes() ? 1 : 0;
}
