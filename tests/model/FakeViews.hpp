// Stand-ins for the main window's sections: they keep what the model gives
// them and hand back what a test put in, so the model can be driven without X.
#pragma once

#include <memory>
#include <vector>

#include "agents/AgentMo.hpp"
#include "agents/LegacyName.hpp"
#include "model/ModelContext.hpp"

struct FakeHeader : HeaderView {
    RWCString name_field, type;
    RWTValSlist<RWCString> names;
    char mixed = 0, sensitive = 1;
    RWCString get_current_name() override { return name_field; }
    RWCString get_current_type_name() override { return type; }
    void update_types(const RWCString& t) override { type = t; }
    char is_mixed_state() override { return mixed; }
    void set_types_sensitivity(char s) override { sensitive = s; }
    void add_name(const char* n) override { names.push_back(n); }
};

struct FakeCoord : CoordView {
    QvTopoNode::Location shown, last;
    QvTopoNode::GeoLocation shown_geo, last_geo_;
    void set_coord(const QvTopoNode::Location& l) override { shown = last = l; }
    void set_coord(const QvTopoNode::GeoLocation& g) override { shown_geo = last_geo_ = g; }
    QvTopoNode::Location get_coord() override { return shown; }
    QvTopoNode::GeoLocation get_geo() override { return shown_geo; }
    QvTopoNode::Location last_location() const override { return last; }
    QvTopoNode::GeoLocation last_geo() const override { return last_geo_; }
    char changed_flag = 0;
    void coord_changed() override
    {
        if (shown != last || shown_geo != last_geo_)
            changed_flag = 1;
    }
    char changed() const override { return changed_flag; }
    void clear_changed() override { changed_flag = 0; }
};

struct FakeDisplay : DisplayView {
    char propagate = 1;
    RWCString image, map;
    RWTValSlist<RWCString> monitor_shown, monitor_hidden, array_shown, array_hidden;
    long max_visible = 0, rotation = 0;
    QvTopoNode::ArrayOrientation orientation = QvTopoNode::Horizontal;
    unsigned long columns = 0;
    QvTopoNode::ArrayCellSize cell;
    bool view_controls = true, monitor_section = true, array_section = true;
    void set_propagate(char on) override { propagate = on; }
    char get_propagate() override { return propagate; }
    void set_background(const RWCString& i, const RWCString& m) override { image = i, map = m; }
    void get_background(RWCString& i, RWCString& m) override { i = image, m = map; }
    void set_monitor(const RWTValSlist<RWCString>& s, const RWTValSlist<RWCString>& h, long max, long rot) override
    {
        monitor_shown = s, monitor_hidden = h, max_visible = max, rotation = rot;
    }
    void get_monitor(RWTValSlist<RWCString>& s, RWTValSlist<RWCString>& h, long& rot) override
    {
        s = monitor_shown, h = monitor_hidden, rot = rotation;
    }
    void set_array(const RWTValSlist<RWCString>& s, const RWTValSlist<RWCString>& h,
                   QvTopoNode::ArrayOrientation o, unsigned long c, const QvTopoNode::ArrayCellSize& size) override
    {
        array_shown = s, array_hidden = h, orientation = o, columns = c, cell = size;
    }
    void get_array(RWTValSlist<RWCString>& s, RWTValSlist<RWCString>& h, QvTopoNode::ArrayOrientation& o,
                   unsigned long& c, QvTopoNode::ArrayCellSize& size) override
    {
        s = array_shown, h = array_hidden, o = orientation, c = columns, size = cell;
    }
    void set_array_defaults() override
    {
        orientation = QvTopoNode::Horizontal, columns = 0, cell = QvTopoNode::ArrayCellSize();
    }
    void show_view_controls(bool s) override { view_controls = s; }
    void show_monitor_section(bool s) override { monitor_section = s; }
    void show_array_section(bool s) override { array_section = s; }
    char changed_flag = 0;
    char changed() const override { return changed_flag; }
    void clear_changed() override { changed_flag = 0; }
};

struct FakeStoredData : StoredDataView {
    struct Shown {
        RWCString name;
        RWTValSlist<RWCString> columns, cells;
        int groups;
        char set;
    };
    std::vector<Shown> shown;
    bool was_changed = false;
    // As the page does: the table is named in legacy form, and a table
    // without values shows one empty group.
    void add_user_data(const RWCString& a, const RWTValSlist<RWCString>& c, const RWTValSlist<RWCString>& cells,
                       int g, char s) override
    {
        const char* legacy = cvt_qvname2xnl(a.c_str());
        RWTValSlist<RWCString> shown_cells = cells;
        if (g == 0)
            shown_cells.assign(c.size(), RWCString());
        shown.push_back({legacy ? legacy : a, c, shown_cells, g == 0 ? 1 : g, s});
    }
    void clear_page() override { shown.clear(); }
    RWTValSlist<Table> tables() override
    {
        RWTValSlist<Table> out;
        for (const Shown& s : shown)
            out.push_back({s.name, s.cells});
        return out;
    }
    void set_changed() override { was_changed = true; }
    char changed() const override { return was_changed ? 1 : 0; }
    const Shown* find(const RWCString& name) const
    {
        for (const Shown& s : shown)
            if (s.name == name)
                return &s;
        return nullptr;
    }
};

struct FakeAgents : AgentView {
    std::vector<std::unique_ptr<AgentMo>> rows;
    void clear_table() override { rows.clear(); }
    void add_agent(AgentMo* agent, int) override { rows.emplace_back(agent); }
    int num_agents() override { return static_cast<int>(rows.size()); }
    AgentMo* agent_at(int row) override { return rows.at(static_cast<std::size_t>(row)).get(); }
    char changed_flag = 0;
    char changed() const override { return changed_flag; }
    void clear_changed() override { changed_flag = 0; }
};
