// The "Agents" page: the table of the agents serving the object being edited
// and the agent models behind its rows (row i is agent i). The page owns the
// agents it is given. The buttons that create, change and delete agents act
// on it through the main window.
#pragma once

#include <memory>
#include <vector>

#include <X11/Intrinsic.h>

#include "agents/AgentMo.hpp"
#include "model/Views.hpp"
#include "ui/Page.hpp"

class ObjectConfig;
class Table;

class AgentPage : public Page, public AgentView {
public:
    // Takes the agent table (already created in "table_frame") and the
    // page's buttons; without the right to modify agents (and not creating)
    // the create controls are insensitive and "Change... " reads " View... ".
    AgentPage(ObjectConfig* window, Table* table);

    void clear_table() override;
    // Appends a row for the agent.
    void add_agent(AgentMo* agent, int write) override;
    int num_agents() override;
    AgentMo* agent_at(int row) override;
    char changed() const override { return is_changed(); }
    void clear_changed() override { clear_changed_flag(); }

    Table* table() const { return table_; }

    // The texts of a row: protocol, "<Default>" or the agent's name, and the
    // object path or "<Default>".
    static void row_texts(const AgentMo& agent, RWCString texts[3]);

private:
    // Change and Delete follow the table's selection.
    void selection_changed();
    void fill_row(int row, const AgentMo& agent);

    Table* table_;
    Widget change_button_;
    Widget delete_button_;
    std::vector<std::unique_ptr<AgentMo>> agents_;
};

extern AgentPage* agent_page;
// The table of configured agents, created by start-up before the page.
extern Table* agent_table;
