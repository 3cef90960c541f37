#include "model/NodeCreation.hpp"

#include <sstream>

#include "model/Lookups.hpp"
#include "model/ModelContext.hpp"
#include "model/NodeList.hpp"
#include "platform/QvTopoType.hpp"
#include "process/Catalogue.hpp"
#include "process/RunState.hpp"

namespace {

// Resolves an id to a node name; false (after showing message) when it is
// unreadable or, with must_exist, names nothing on the server.
bool resolve(const RWCString& id, int unreadable, const char* unreadable_text, int missing,
             const char* missing_text, QvTopoNodeDn& dn, QvTopoNode* loaded)
{
    RWCString system = id;
    const long number = get_node_id(system, server_name());
    if (number == -1) {
        model_report(cat_text(23, unreadable, unreadable_text));
        return false;
    }
    dn = QvTopoNodeDn(system, number);
    if (!loaded)
        return true;
    loaded->set_dn(dn);
    if (!loaded->exists()) {
        model_report(cat_text(23, missing, missing_text));
        return false;
    }
    return true;
}

// The link's ends; its name is made of the last two ends' names. Without an
// explicit parent, the link lies in the first parent of its last end.
bool prepare_link(const RWCString& link, QvTopoNode& node, RWCString& link_name, QvTopoNodeDn& parent,
                  bool parent_given)
{
    const RWTValSlist<RWCString> ids = split_words(link);
    RWTValSlist<QvTopoNodeDn> ends;
    RWTValSlist<RWCString> names;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        QvTopoNode end(server_connection());
        QvTopoNodeDn dn;
        if (!resolve(ids[i], 502, "Error creating link: incorrect id", 503,
                     "Error creating link: object doesn't exist", dn, &end))
            return false;
        ends.push_back(dn);
        const bool last = i + 1 == ids.size();
        if (last) {
            end.load_all_attributes();
        } else {
            QvTopoNode::AttributeSet name_only(36);
            name_only.insert(QvTopoNode::AttrName);
            end.load_some_attributes(name_only);
        }
        RWCString end_name;
        end.get_name(end_name);
        names.push_back(end_name);
        if (last && !parent_given) {
            RWTValSlist<QvTopoNodeDn> parents;
            end.get_parents(parents);
            if (!parents.empty())
                parent = parents.front();
        }
    }
    const RWCString before_last = names.size() >= 2 ? names[names.size() - 2] : RWCString();
    link_name = before_last + "-" + (names.empty() ? RWCString() : names.back());
    node.set_links(ends);
    return true;
}

bool prepare_children(const RWCString& children, const RWCString& type, QvTopoNode& node)
{
    RWTValSlist<QvTopoNodeDn> dns;
    for (const RWCString& id : split_words(children)) {
        QvTopoNode child(server_connection());
        QvTopoNodeDn dn;
        if (!resolve(id, 504, "Error visible child: incorrect id", 505, "Error visible child: Object doesn't exist",
                     dn, &child))
            return false;
        dns.push_back(dn);
    }
    if (QvTopoType::is_monitor(type))
        node.set_monitor_visible_children(dns);
    if (QvTopoType::is_array(type))
        node.set_array_visible_children(dns);
    return true;
}

bool prepare_bus(const RWCString& bus_locations, QvTopoNode& node)
{
    RWTValSlist<QvTopoNode::Location> points;
    for (const RWCString& point : split_words(bus_locations))
        points.push_back(get_location(point));
    if (points.size() < 2) {
        model_report(cat_text(23, 506, "Must enter at least 2 points for bus"));
        return false;
    }
    node.set_bus_logical_locations(points);
    return true;
}

void show_new_node(Node& node, const RWCString& type)
{
    ModelContext& c = model_context();
    node.get_object_desc();
    if (QvTopoType::is_monitor(type) || QvTopoType::is_array(type)) {
        node.get_display_status();
        c.display->set_array_defaults();
    }
    if (QvTopoType::is_view(type))
        node.get_background_properties();
}

}  // namespace

void add_new_node_to_list(const RWCString& name, const RWCString& parent, const RWCString& link,
                          const RWCString& type, const RWCString& visible_children,
                          const RWCString& bus_locations)
{
    ModelContext& c = model_context();
    QvTopoNode node(server_connection());
    node.set_name(name);

    QvTopoNodeDn parent_dn;
    const RWTValSlist<RWCString> parent_ids = split_words(parent);
    const bool parent_given = !parent_ids.empty();
    const bool link_given = !split_words(link).empty();
    if (parent_given) {
        if (!resolve(parent_ids.front(), 500, "Invalid parent id", 0, "", parent_dn, nullptr))
            return;
    } else if (!link_given) {
        model_report(cat_text(23, 501, "Parent or peers must be set"));
        return;
    }
    RWCString link_name;
    if (link_given && !prepare_link(link, node, link_name, parent_dn, parent_given))
        return;
    node.set_parents({parent_dn});
    node.set_type_name(type);
    if (!link_name.empty()) {
        node.set_name(link_name);
        c.header->add_name(link_name.c_str());
    }
    if (!split_words(visible_children).empty() && (QvTopoType::is_monitor(type) || QvTopoType::is_array(type)) &&
        !prepare_children(visible_children, type, node))
        return;
    if (QvTopoType::is_bus(type) && !prepare_bus(bus_locations, node))
        return;

    Node wrapped;
    wrapped.add_node(node);
    node_list.push_back(wrapped);
    if (node_list.size() == 1)
        show_new_node(node_list.front(), type);
}
