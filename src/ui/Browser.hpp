// One managed object of the object browser's outline: its name, the name it
// was found under, its outline node and the album of its children, kept
// after a derivation so that the server's creations and deletions below it
// reach the outline. Every Browser lives in Browser::object_list, sorted by
// name in byte order.
#pragma once

#include <string>
#include <vector>

#include <X11/Intrinsic.h>

#include "platform/Image.hpp"

class Browser {
public:
    // Flag bits.
    static constexpr int kDeriving = 1;
    static constexpr int kDerived = 2;
    static constexpr int kDisplaying = 16;
    static constexpr int kChildrenDisplaying = 32;
    // How long a derivation may wait for the server.
    static constexpr double kDeriveTimeout = 300.0;

    explicit Browser(const char* name);
    // Destroys the node (and with it the nodes below) and releases the album.
    ~Browser();
    Browser(const Browser&) = delete;
    Browser& operator=(const Browser&) = delete;

    bool operator==(const Browser& other) const { return name == other.name; }

    // Asks the server for the objects directly below this one (one album,
    // tracked), and with depth above 0 makes a Browser for each, derived
    // again down to depth levels. 0 done, 1 not possible (already deriving,
    // album or derivation refused), 2 abandoned: events delivered meanwhile
    // changed the state being walked.
    int derive(int depth, const char* filter);
    // Shows this object's node, and its children's down to depth levels.
    void display(int depth);
    // This object's node, open with depth above 0, in sorted position.
    void outline_form(int depth);
    // The next object in name order with a node and the same parent name.
    Browser* find_next_displayed_sibling();

    // A node named with the full name, labelled with the last name
    // component, that selects the object when pressed and starts a drag on
    // button 2.
    static Widget CreateNode(Widget outline, Widget parent_node, Widget insert_before, const char* name, int state);
    // The text shown for a name: what follows the last "/" that is not
    // inside double quotes; the whole name when it has none or ends in one.
    static std::string label_of(const std::string& name);

    // Inserts into / removes from object_list, keeping it sorted.
    static void insert(Browser* object);
    static void remove(Browser* object);

    std::string name;
    std::string parent_name;
    Widget widget = nullptr;
    int child_count = -1;
    bool selected = false;
    Album album;
    int node_state = 0;
    int flags = 0;
    int derive_state = 0;

    static std::vector<Browser*> object_list;
    static std::vector<Browser*> selected_list;
};

// The one selected object, or none.
extern Browser* current_selected;
// The outline widget.
extern Widget mw_navigator;
// Insert new nodes in sorted position.
extern int sort_on;
// How deep a tree is derived and displayed when it is built.
extern int default_scope;
// The name of the tree's root, and which dialog receives "Add": 4 SNMP,
// 3 RPC, 2 MIS, 0 none.
extern std::string browser_parent;
extern int browser_type;

Browser* find_album_object(const std::string& name);
Browser* find_object(Widget widget);
