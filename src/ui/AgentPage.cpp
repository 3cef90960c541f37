#include "ui/AgentPage.hpp"

#include "gui/Table.hpp"
#include "gui/WidgetMaker.hpp"
#include "process/Catalogue.hpp"
#include "process/Rights.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/PageWidgets.hpp"

AgentPage* agent_page = nullptr;
Table* agent_table = nullptr;

namespace {
const char kDefaultText[] = "<Default>";
}

AgentPage::AgentPage(ObjectConfig* window, Table* table)
    : Page(window->book().agent_form()),
      table_(table),
      change_button_(window->book().change_button()),
      delete_button_(window->book().delete_button())
{
    const PropertyBook& book = window->book();
    if (!may_edit(modify_desc_agent_type_status_access)) {
        set_sensitive({book.add_button(), book.add_default_button(), book.protocol_option_menu()}, false);
        set_label_text(change_button_, cat_text(kToolSet, 902, " View... "));
    }
    table_->set_select_listener([this] { selection_changed(); });
}

void AgentPage::row_texts(const AgentMo& agent, RWCString texts[3])
{
    texts[0] = agent.get_proto_str();
    texts[1] = agent.is_default() ? RWCString(kDefaultText) : agent.get_name();
    texts[2] = agent.get_dn().empty() ? RWCString(kDefaultText) : agent.get_dn();
}

void AgentPage::fill_row(int row, const AgentMo& agent)
{
    RWCString texts[3];
    row_texts(agent, texts);
    for (int column = 0; column < 3; ++column)
        table_->create_cell(row, column, texts[column].c_str());
}

void AgentPage::add_agent(AgentMo* agent, int)
{
    agents_.emplace_back(agent);
    const int row = table_->add_row(table_->get_num_rows());
    fill_row(row, *agent);
    table_->deselect_all();
    selection_changed();
}

void AgentPage::clear_table()
{
    agents_.clear();
    table_->deselect_all();
    table_->clear_all();
    selection_changed();
}

int AgentPage::num_agents() { return table_->get_num_rows(); }

AgentMo* AgentPage::agent_at(int row)
{
    if (row < 0 || row >= static_cast<int>(agents_.size()))
        return nullptr;
    return agents_[static_cast<std::size_t>(row)].get();
}

void AgentPage::selection_changed()
{
    const bool selected = table_->get_num_selected() > 0;
    XtSetSensitive(change_button_, selected ? True : False);
    XtSetSensitive(delete_button_, (selected && may_edit(modify_desc_agent_type_status_access)) ? True : False);
}
