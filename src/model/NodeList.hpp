// The objects being edited, in the order of the window's list, and the
// lookups on ids, names and path names that start-up, creation and Apply share.
#pragma once

#include "model/Node.hpp"
#include "platform/QvTopoNode.hpp"
#include "platform/Types.hpp"

extern RWTValSlist<Node> node_list;
// The last node removed: the model for the next copy when the list is empty.
extern Node old_saved_node;

// Appends an existing object; the first one fills the window.
void add_node_to_list(const QvTopoNodeDn& dn);
// Shows the object picked in the list: the type menu offers the types of its
// kind and every page shows the object.
void show_selected_object(Node& node);
// Appends a copy of the first object (or of the last removed one) named name.
void add_new_node_to_list(const RWCString& name);
void remove_node_from_list(int& index);

RWTValSlist<QvTopoNodeDn> find_topo_nodes(const char* name);
RWTValSlist<RWCString> get_topo_pathnames(QvTopoNode& node);
// 1 when parent was added to node's parents on the server, else 0.
int add_parent_to_node(const QvTopoNodeDn& node, const QvTopoNodeDn& parent);
