// The "Agents" page: the table of the agents serving the object being edited
// and the agent models behind its rows (row i is agent i). The page keeps the
// agents it lists alive; an SNMP, RPC or MIS row holds the very agent its
// dialog edits, a CMIP row a copy. The buttons that create, change and delete
// agents act on it through the main window.
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

    // Empties the list and the table (the agents live on where else held).
    void clear_table() override;
    // Shows an agent: an agent the list has already (find_agent) is
    // selected and refreshed; another becomes its protocol's current agent,
    // is loaded (write 0) or prepared for writing (write 1), and gets a row.
    void add_agent(AgentMo* agent, int write) override;
    // Refreshes the row of an agent after its dialog was applied; adds one
    // when it has none.
    void change_agent(AgentMo* agent);
    // The row of the first listed agent that stands for agent
    // (AgentMo::is_listed_as), -1 for none.
    int find_agent(const AgentMo& agent) const;
    // Drops the agent of row from the list; the caller removes the row.
    void delete_agent(int row);
    // A default agent of the protocol the text starts with ('S', 'R', 'M');
    // refused with a message for a MIS when the management server itself
    // is being edited.
    void add_default(const char* protocol);
    int num_agents() override;
    AgentMo* agent_at(int row) override;
    std::shared_ptr<AgentMo> shared_agent_at(int row) const;
    char changed() const override { return is_changed(); }
    void clear_changed() override { clear_changed_flag(); }

    // Change and Delete follow the table's selection.
    void selection_changed();

    Table* table() const { return table_; }

    // The texts of a row: protocol, "<Default>" or the agent's name, and the
    // object path or "<Default>".
    static void row_texts(const AgentMo& agent, RWCString texts[3]);

private:
    void fill_row(int row, const AgentMo& agent);
    // What the list holds for an agent: CMIP rows keep a copy.
    static std::shared_ptr<AgentMo> entry_for(AgentMo* agent);
    int row_of_pointer(const AgentMo* agent) const;

    Table* table_;
    Widget change_button_;
    Widget delete_button_;
    std::vector<std::shared_ptr<AgentMo>> agents_;
};

extern AgentPage* agent_page;
// The table of configured agents, created by start-up before the page.
extern Table* agent_table;
// The row "Change... " opened in a dialog, -1 when none.
extern int edit_agent_row;
