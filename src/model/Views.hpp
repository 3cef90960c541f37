// What the model needs of the main window's sections. The windows implement
// these; the model never sees a widget, and tests can stand in small fakes.
#pragma once

#include "platform/QvTopoNode.hpp"
#include "platform/Types.hpp"

class AgentMo;

class HeaderView {
public:
    virtual ~HeaderView() = default;
    virtual RWCString get_current_name() = 0;       // the name field's text
    virtual RWCString get_current_type_name() = 0;
    virtual void update_types(const RWCString& type) = 0;
    virtual char is_mixed_state() = 0;
    virtual void set_types_sensitivity(char sensitive) = 0;
    virtual void add_name(const char* name) = 0;     // to the list of objects
};

class CoordView {
public:
    virtual ~CoordView() = default;
    virtual void set_coord(const QvTopoNode::Location& location) = 0;
    virtual void set_coord(const QvTopoNode::GeoLocation& location) = 0;
    virtual QvTopoNode::Location get_coord() = 0;
    virtual QvTopoNode::GeoLocation get_geo() = 0;
    // What set_coord was last given.
    virtual QvTopoNode::Location last_location() const = 0;
    virtual QvTopoNode::GeoLocation last_geo() const = 0;
    // Sets the changed flag when the fields differ from what set_coord gave;
    // never clears it.
    virtual void coord_changed() = 0;
    virtual char changed() const = 0;
    virtual void clear_changed() = 0;
};

class DisplayView {
public:
    virtual ~DisplayView() = default;
    virtual void set_propagate(char on) = 0;
    virtual char get_propagate() = 0;
    virtual void set_background(const RWCString& image, const RWCString& map) = 0;
    virtual void get_background(RWCString& image, RWCString& map) = 0;
    virtual void set_monitor(const RWTValSlist<RWCString>& shown, const RWTValSlist<RWCString>& hidden,
                             long max_visible, long rotation) = 0;
    virtual void get_monitor(RWTValSlist<RWCString>& shown, RWTValSlist<RWCString>& hidden, long& rotation) = 0;
    virtual void set_array(const RWTValSlist<RWCString>& shown, const RWTValSlist<RWCString>& hidden,
                           QvTopoNode::ArrayOrientation orientation, unsigned long columns,
                           const QvTopoNode::ArrayCellSize& cell) = 0;
    virtual void get_array(RWTValSlist<RWCString>& shown, RWTValSlist<RWCString>& hidden,
                           QvTopoNode::ArrayOrientation& orientation, unsigned long& columns,
                           QvTopoNode::ArrayCellSize& cell) = 0;
    virtual void set_array_defaults() = 0;
    // Sections that apply to one kind of object only.
    virtual void show_view_controls(bool shown) = 0;
    virtual void show_monitor_section(bool shown) = 0;
    virtual void show_array_section(bool shown) = 0;
    virtual char changed() const = 0;
    virtual void clear_changed() = 0;
};

class StoredDataView {
public:
    struct Table {
        RWCString name;
        RWTValSlist<RWCString> cells;
    };
    virtual ~StoredDataView() = default;
    virtual void add_user_data(const RWCString& attribute, const RWTValSlist<RWCString>& columns,
                               const RWTValSlist<RWCString>& cells, int groups, char set) = 0;
    virtual void clear_page() = 0;
    virtual RWTValSlist<Table> tables() = 0;
    virtual void set_changed() = 0;
    // Apply reads it and never clears it: once shown, stored data is written
    // at every Apply.
    virtual char changed() const = 0;
};

class AgentView {
public:
    virtual ~AgentView() = default;
    virtual void clear_table() = 0;
    // The page owns the agent from here on.
    virtual void add_agent(AgentMo* agent, int write) = 0;
    virtual int num_agents() = 0;
    virtual AgentMo* agent_at(int row) = 0;
    virtual char changed() const = 0;
    virtual void clear_changed() = 0;
};
