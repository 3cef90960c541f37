// One user action's reads of topology objects. Within a scope an object is
// read from the server once: start-up, or a pick in the object list, loads
// it for its path names, for the list and for the pages, and every load
// after the first is served from the first. Likewise an object the pages
// show is not shown again unless something else changed the pages since.
// Scopes nest: one opened while another is open (a list callback fired by
// start-up) joins it. Outside every scope each load asks the server and
// every show fills the pages.
#pragma once

#include <string>

#include "platform/QvStatus.hpp"
#include "platform/QvTopoNode.hpp"

class ReadScope {
public:
    ReadScope();
    ~ReadScope();
    ReadScope(const ReadScope&) = delete;
    ReadScope& operator=(const ReadScope&) = delete;

    // Loads attributes into node, whose DN is set: from this scope's read of
    // the object when that read covered them. A failed load is not kept: the
    // next one asks again, and reports again.
    static QvStatus load(QvTopoNode& node, const QvTopoNode::AttributeSet& attributes);
    // Every attribute the tool edits (QvTopoNode::get_valid_attributes(0, 0)).
    static QvStatus load(QvTopoNode& node);

    // Whether the pages show the object dn as this scope read it.
    static bool shows(const std::string& dn);
    static void mark_shown(const std::string& dn);
    // Something other than showing an object changed the pages.
    static void pages_changed();
    // The action waits for the user (a dialog's own loop): what is read
    // while it waits, and after, is read afresh.
    static void forget();

private:
    bool outermost_;
};
