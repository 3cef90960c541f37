// The tool's view of one topology object: it owns the platform handle and
// moves each editable property between the handle's attributes and the main
// window's sections. Nothing here stores anything on the server; the caller
// stores the handle afterwards.
#pragma once

#include "platform/QvTopoNode.hpp"
#include "platform/Types.hpp"

class Node {
public:
    Node() = default;

    void add_node(const QvTopoNode& node);

    const RWCString& get_name() const { return name; }
    QvTopoNode& handle() { return topo_node; }
    const QvTopoNode& handle() const { return topo_node; }

    // Name field into the object (an empty field keeps the old name).
    void set_name();
    void set_type();

    void get_coordinates();
    void set_coordinates();

    void get_display_status();
    void set_display_status();

    void get_object_desc();
    void set_object_desc();

    void get_agents(const RWCString& system);
    void set_agents();

    void get_background_properties();
    void set_background_properties();

    // The names of the objects named by dns; objects that cannot be loaded
    // are left out.
    RWTValSlist<RWCString> get_names_from_dn(const RWTValSlist<QvTopoNodeDn>& dns) const;

    bool operator==(const Node& other) const;

private:
    // The DNs, among candidates, of the objects named by names: monitors take
    // the first match; arrays consume matches so equal names map to distinct
    // members.
    RWTValSlist<QvTopoNodeDn> match_members(const RWTValSlist<RWCString>& names,
                                            RWTValSlist<QvTopoNodeDn>& candidates, bool consume) const;

    RWCString name;
    QvTopoNode topo_node;
    RWTValSlist<QvTopoNodeDn> monitor_members;
    RWTValSlist<QvTopoNodeDn> array_members;
};
