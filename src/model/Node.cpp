#include "model/Node.hpp"

#include "agents/CmipAgent.hpp"
#include "agents/LegacyName.hpp"
#include "agents/MisAgent.hpp"
#include "agents/RpcAgent.hpp"
#include "agents/SnmpAgent.hpp"
#include "model/Lookups.hpp"
#include "model/ModelContext.hpp"
#include "model/ReadScope.hpp"
#include "model/StoredDataCodec.hpp"
#include "platform/QvAgents.hpp"
#include "platform/QvTopoPlatform.hpp"
#include "platform/QvTopoType.hpp"
#include "platform/SyntaxCache.hpp"
#include "process/Catalogue.hpp"
#include "process/RunState.hpp"

namespace {

// Loads the node named dn enough to know its name.
bool load_name(const QvTopoNodeDn& dn, RWCString& name, QvStatus& status)
{
    QvTopoNode member(server_connection());
    member.set_dn(dn);
    status = ReadScope::load(member, QvTopoNode::get_valid_attributes(0, 1));
    if (!status)
        return false;
    member.get_name(name);
    return true;
}

// The stored-data attributes of a type: as the type list read at start-up
// gives them. A type not in it is asked of the server, whose answer says why
// it has none.
QvStatus type_attributes(const RWCString& type_name, RWTValSlist<RWCString>& attributes)
{
    const QvTopoPlatform* topology = QvTopoPlatform::instance();
    if (const RWTValSlist<RWCString>* declared = topology ? topology->attributes_of(type_name) : nullptr) {
        attributes = *declared;
        return QvStatus::success();
    }
    QvTopoType type(QvTopoTypeDn(server_name(), type_name), server_connection());
    type.load_all_attributes();
    return type.get_user_data_attribute_names(attributes);
}

// Reads in one request the syntaxes of the attributes named and, with a
// node, of those it holds data under, so that the lookups of a page ask
// nothing more.
void read_syntaxes(const RWTValSlist<RWCString>& attributes, const QvTopoNode* node)
{
    Platform* platform = server_connection();
    if (!platform)
        return;
    std::vector<std::string> names(attributes.begin(), attributes.end());
    nlohmann::json data;
    if (node && node->get_attribute("userData", data) && data.is_array())
        for (const auto& entry : data)
            if (entry.is_object() && entry.contains("name") && entry["name"].is_string())
                names.push_back(entry["name"].get<std::string>());
    platform->syntax_cache().prefetch(*platform, names);
}

}  // namespace

void Node::add_node(const QvTopoNode& node)
{
    topo_node = node;
    topo_node.get_name(name);
}

bool Node::operator==(const Node& other) const
{
    return name == other.name && topo_node.get_dn() == other.topo_node.get_dn();
}

void Node::set_name()
{
    const RWCString text = model_context().header->get_current_name();
    if (!text.empty())
        name = text;
    topo_node.set_name(name);
}

void Node::set_type()
{
    topo_node.set_type_name(model_context().header->get_current_type_name());
}

void Node::get_coordinates()
{
    RWTValSlist<QvTopoNodeDn> parents;
    QvTopoNode::Location location;
    QvTopoNode::GeoLocation geo;
    topo_node.get_parents(parents);
    if (!parents.empty()) {
        int flags = 0;
        topo_node.get_logical_location(parents.front(), location);
        topo_node.get_geographical_location(geo, flags);
    }
    model_context().coord->set_coord(location);
    model_context().coord->set_coord(geo);
}

void Node::set_coordinates()
{
    CoordView& page = *model_context().coord;
    RWTValSlist<QvTopoNodeDn> parents;
    topo_node.get_parents(parents);
    const QvTopoNode::Location location = page.get_coord();
    const QvTopoNode::GeoLocation geo = page.get_geo();
    // Without a parent there is no view to be placed in: nothing to write.
    if (location != page.last_location() && !parents.empty())
        topo_node.set_logical_location(parents.front(), location);
    if (geo != page.last_geo())
        topo_node.set_geographical_location(geo, 0);
}

RWTValSlist<RWCString> Node::get_names_from_dn(const RWTValSlist<QvTopoNodeDn>& dns) const
{
    RWTValSlist<RWCString> names;
    for (const QvTopoNodeDn& dn : dns) {
        RWCString member_name;
        QvStatus status;
        if (load_name(dn, member_name, status))
            names.push_back(member_name);
    }
    return names;
}

void Node::get_display_status()
{
    DisplayView& page = *model_context().display;
    int propagated = 1;
    topo_node.get_is_severity_propagated(propagated);
    page.set_propagate(static_cast<char>(propagated & 0xff));

    // Each object shows the sections of its own kind, whatever the object
    // shown before it showed.
    const RWCString type = model_context().header->get_current_type_name();
    RWTValSlist<QvTopoNodeDn> visible, hidden;
    if (QvTopoType::is_monitor(type)) {
        long max = 0, rotation = 0;
        int flags = 0;
        topo_node.get_monitor_max_visible_children(max);
        topo_node.get_monitor_rotation(rotation, flags);
        topo_node.get_monitor_visible_children(visible);
        topo_node.get_monitor_hidden_children(hidden);
        monitor_members = visible;
        monitor_members.insert(monitor_members.end(), hidden.begin(), hidden.end());
        page.set_monitor(get_names_from_dn(visible), get_names_from_dn(hidden), max, rotation);
        page.show_array_section(false);
        page.show_view_controls(true);
    } else if (QvTopoType::is_array(type)) {
        topo_node.get_array_visible_children(visible);
        topo_node.get_array_hidden_children(hidden);
        array_members = visible;
        array_members.insert(array_members.end(), hidden.begin(), hidden.end());
        QvTopoNode::ArrayOrientation orientation = QvTopoNode::Horizontal;
        unsigned long columns = 0;
        QvTopoNode::ArrayCellSize cell;
        topo_node.get_array_orientation(orientation);
        topo_node.get_array_num_columns(columns);
        topo_node.get_array_cell_size(cell);
        page.set_array(get_names_from_dn(visible), get_names_from_dn(hidden), orientation, columns, cell);
        page.show_monitor_section(false);
        page.show_view_controls(true);
    } else {
        page.show_view_controls(QvTopoType::is_view(type));
        page.show_monitor_section(false);
        page.show_array_section(false);
    }
}

RWTValSlist<QvTopoNodeDn> Node::match_members(const RWTValSlist<RWCString>& names,
                                              RWTValSlist<QvTopoNodeDn>& candidates, bool consume) const
{
    RWTValSlist<QvTopoNodeDn> chosen;
    for (const RWCString& wanted : names) {
        for (auto it = candidates.begin(); it != candidates.end(); ++it) {
            RWCString member_name;
            QvStatus status;
            if (!load_name(*it, member_name, status)) {
                model_report(get_error_str(status));
                continue;
            }
            if (member_name == wanted) {
                chosen.push_back(*it);
                if (consume)
                    candidates.erase(it);
                break;
            }
        }
    }
    return chosen;
}

void Node::set_display_status()
{
    DisplayView& page = *model_context().display;
    topo_node.set_is_severity_propagated(page.get_propagate());

    RWTValSlist<RWCString> shown, hidden;
    long rotation = 0;
    page.get_monitor(shown, hidden, rotation);
    topo_node.set_monitor_rotation(rotation, 0);
    RWTValSlist<QvTopoNodeDn> current;
    topo_node.get_monitor_visible_children(current);
    monitor_members.insert(monitor_members.end(), current.begin(), current.end());
    current.clear();
    topo_node.get_monitor_hidden_children(current);
    monitor_members.insert(monitor_members.end(), current.begin(), current.end());
    topo_node.set_monitor_visible_children(match_members(shown, monitor_members, false));

    shown.clear();
    hidden.clear();
    QvTopoNode::ArrayOrientation orientation = QvTopoNode::Horizontal;
    unsigned long columns = 0;
    QvTopoNode::ArrayCellSize cell;
    page.get_array(shown, hidden, orientation, columns, cell);
    topo_node.set_array_orientation(orientation);
    topo_node.set_array_num_columns(columns);
    topo_node.set_array_cell_size(cell);
    current.clear();
    topo_node.get_array_visible_children(current);
    array_members.insert(array_members.end(), current.begin(), current.end());
    current.clear();
    topo_node.get_array_hidden_children(current);
    array_members.insert(array_members.end(), current.begin(), current.end());
    topo_node.set_array_visible_children(match_members(shown, array_members, true));
}

void Node::get_object_desc()
{
    ModelContext& c = model_context();
    RWTValSlist<RWCString> attributes;
    QvStatus status = type_attributes(c.header->get_current_type_name(), attributes);
    read_syntaxes(attributes, create_node ? nullptr : &topo_node);
    if (!status)
        model_report(cat_format(23, 600, "Get user data error : %s", get_error_str(status)));
    RWTValSlist<QvTopoNode::UserDatum> data;
    if (!create_node) {
        status = topo_node.get_user_data(data);
        if (!status)
            model_report(cat_format(23, 601, "Get Type error : %s", get_error_str(status)));
    }
    for (const RWCString& attribute : attributes) {
        const Syntax syntax(DataUnit(attribute), *server_connection());
        StoredTable table;
        if (read_stored_table(attribute, syntax, data, table))
            c.stored_data->add_user_data(table.name, table.columns, table.cells, table.groups, table.set);
    }
    c.stored_data->set_changed();
}

void Node::set_object_desc()
{
    ModelContext& c = model_context();
    RWTValSlist<QvTopoNode::UserDatum> data;
    const RWTValSlist<StoredDataView::Table> tables = c.stored_data->tables();
    RWTValSlist<RWCString> attributes;
    for (const StoredDataView::Table& table : tables) {
        const char* converted = cvt_xnlname2qv(table.name.c_str(), nullptr, 0);
        if (!table.cells.empty())
            attributes.push_back(converted ? converted : table.name);
    }
    read_syntaxes(attributes, nullptr);
    for (const StoredDataView::Table& table : tables) {
        const char* converted = cvt_xnlname2qv(table.name.c_str(), nullptr, 0);
        const RWCString attribute = converted ? converted : table.name;
        if (table.cells.empty())
            continue;
        const Syntax syntax(DataUnit(attribute), *server_connection());
        RWCString text;
        if (!encode_table(syntax, table.cells, text))
            continue;
        Morf value(syntax, DataUnit(text));
        if (value.has_value())
            data.push_back(QvTopoNode::UserDatum{attribute, value});
        else
            model_report("Invalid Data syntax");
    }
    const QvStatus status = topo_node.set_user_data(data);
    if (!status)
        model_report(cat_format(23, 602, "Add User Data Error : %s", get_error_str(status)));
}

void Node::get_agents(const RWCString&)
{
    ModelContext& c = model_context();
    RWTValSlist<RWCString> dns;
    topo_node.get_managed_objects(dns);
    const RWCString system = topo_node.get_dn().system_name();
    for (const RWCString& dn : dns) {
        AgentMo* agent = nullptr;
        switch (classify_agent_dn(dn)) {
        case PROTO_SNMP: agent = new SnmpAgent(name, dn); break;
        case PROTO_RPC: agent = new RpcAgent(name, dn); break;
        case PROTO_MIS: agent = new MisAgent(name, dn, server_name()); break;
        default: {
            QvCmipAgentDn entity;
            RWCString entity_name;
            if (QvTopoPlatform::instance() &&
                QvTopoPlatform::instance()->managed_object_to_cmip_agent(dn, entity))
                entity_name = entity.unique_name();
            agent = new CmipAgent(name, dn, entity_name);
            break;
        }
        }
        agent->set_system_name(system);
        c.agents->add_agent(agent, 0);
    }
}

void Node::set_agents()
{
    AgentView& page = *model_context().agents;
    RWTValSlist<RWCString> dns;
    for (int row = 0; row < page.num_agents(); ++row) {
        const AgentMo* agent = page.agent_at(row);
        if (!agent)
            continue;
        // A default agent is named after the object: a long name can make
        // its DN longer than an agent's may be.
        const QvStatus fits = agent->check_dn(agent->system_name(), name);
        if (agent->is_default() && !fits) {
            model_report(fits.text());
            continue;
        }
        dns.push_back(agent->get_dn(agent->system_name(), name));
    }
    topo_node.set_managed_objects(dns);
}

void Node::get_background_properties()
{
    RWCString image, map;
    topo_node.get_view_background_image_filename(image);
    topo_node.get_view_map_config_filename(map);
    model_context().display->set_background(image, map);
}

void Node::set_background_properties()
{
    RWCString image, map;
    model_context().display->get_background(image, map);
    if (!topo_node.set_view_background_image_filename(image))
        model_report(cat_text(23, 215, "Error setting background image"));
    if (!topo_node.set_view_map_config_filename(map))
        model_report(cat_text(23, 216, "Error setting map"));
}
