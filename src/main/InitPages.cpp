// Start-up of the main window's pages: the agent table and the four property
// pages built on the forms of the property book, each handed to the model as
// the view it fills and reads.
#include "main/ModeSetup.hpp"

#include "gui/Table.hpp"
#include "model/ModelContext.hpp"
#include "process/Catalogue.hpp"
#include "ui/AgentPage.hpp"
#include "ui/CoordPage.hpp"
#include "ui/DisplayPage.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/ObjectPage.hpp"
#include "ui/Windows.hpp"

namespace {

// Five rows, three columns: protocol, agent host, object path.
constexpr int kAgentRows = 5;
constexpr int kAgentColumns = 3;

}  // namespace

void init_table()
{
    agent_table = new Table(object_config_tool->book().table_frame());
    agent_table->create_table(kAgentRows, kAgentColumns);
    agent_table->create_col_label(0, cat_text(kToolSet, 806, "Protocol"), 8);
    agent_table->create_col_label(1, cat_text(kToolSet, 807, "Agent Host"), 24);
    agent_table->create_col_label(2, cat_text(kToolSet, 808, "Object Path"), 80);
    // The long object paths scroll inside the table rather than widen the page.
    agent_table->set_visible_columns(2);
    agent_table->allow_select(1);
}

void init_book()
{
    coord_page = new CoordPage(object_config_tool);
    display_page = new DisplayPage(object_config_tool);
    object_page = new ObjectPage(object_config_tool);
    agent_page = new AgentPage(object_config_tool, agent_table);

    ModelContext& c = model_context();
    c.coord = coord_page;
    c.display = display_page;
    c.stored_data = object_page;
    c.agents = agent_page;
}
