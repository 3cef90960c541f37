#include "ui/Apply.hpp"

#include <Xm/List.h>

#include "agents/AgentMo.hpp"
#include "gui/BusyCursor.hpp"
#include "gui/ListSelection.hpp"
#include "gui/XmStr.hpp"
#include "model/Lookups.hpp"
#include "model/ModelContext.hpp"
#include "model/NodeList.hpp"
#include "platform/QvTopoType.hpp"
#include "process/Catalogue.hpp"
#include "process/ProgramExit.hpp"
#include "process/RunState.hpp"
#include "ui/Header.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/PageWidgets.hpp"
#include "ui/Windows.hpp"

int apply_in_progress = 0;
unsigned char exit_tolvar = 1;
unsigned char derive_in_progress = 0;

namespace {

Widget dialog() { return object_config_tool->tolvar_dialog(); }

void report(const RWCString& message) { page_error(message); }

void report(int number, const char* fallback) { page_error(cat_text(kToolSet, number, fallback)); }

// A name with a double quote is refused and the field emptied; the Apply goes
// on and the object keeps its present name.
void refuse_quoted_name()
{
    if (header->refuse_quoted_name())
        reset_busy_cursor(dialog());
}

// Ends an Apply before its last step.
void stop_apply()
{
    apply_in_progress = 0;
    reset_busy_cursor(dialog());
}

// 1-based position of the selected entry of the object list, 0 for none.
int selected_position() { return first_selected_position(object_config_tool->identification().name_list()); }

// Configure mode: the selected object gets the window's values and is stored.
// With no entry selected (after a Delete) the pages may show an object other
// than any one entry, so nothing is written: the user is asked to select the
// object, and OK keeps the window open. Returns false when nothing was written.
bool apply_configure(bool several, RWTValSlist<RWCString>& applied)
{
    ModelContext& c = model_context();
    const int position = selected_position();
    if (position < 1 || position > static_cast<int>(node_list.size())) {
        report(838, "Select the object to apply in the list of available objects.");
        exit_tolvar = 0;
        return false;
    }
    const std::size_t index = static_cast<std::size_t>(position - 1);
    Node node = node_list[index];
    node.set_name();
    applied.push_back(node.get_name());
    node.set_type();
    c.coord->coord_changed();
    if (c.coord->changed())
        node.set_coordinates();
    if (several || c.display->changed())
        node.set_background_properties();
    node.set_display_status();
    if (several || c.stored_data->changed())
        node.set_object_desc();
    node.set_agents();
    const QvStatus stored = node.handle().store_all_attributes();
    status = stored;
    if (!stored) {
        report(get_error_str(stored));
        exit_tolvar = 0;
        return true;
    }
    // The list keeps what the server now holds, so the next Apply (and the
    // unnamed-object check) start from it.
    node_list[index] = node;
    return true;
}

// The new object becomes a parent of each visible child of a monitor or an
// array it was created with.
void adopt_visible_children(QvTopoNode& created)
{
    RWCString type;
    created.get_type_name(type);
    const bool monitor = QvTopoType::is_monitor(type);
    const bool array = QvTopoType::is_array(type);
    if (!monitor && !array)
        return;
    created.load_all_attributes();
    RWTValSlist<QvTopoNodeDn> children;
    if (monitor)
        created.get_monitor_visible_children(children);
    if (array) {
        RWTValSlist<QvTopoNodeDn> array_children;
        created.get_array_visible_children(array_children);
        children.insert(children.end(), array_children.begin(), array_children.end());
    }
    const QvTopoNodeDn parent = created.get_dn();
    for (const QvTopoNodeDn& child : children)
        if (!add_parent_to_node(child, parent))
            report(213, "Adding parent failed.");
}

// The list shows the new object by its first path name.
void show_created_object(QvTopoNode& created)
{
    const QvStatus loaded = created.load_some_attributes(QvTopoNode::get_valid_attributes(0, 0));
    if (!loaded)
        report(get_error_str(loaded));
    const RWTValSlist<RWCString> paths = get_topo_pathnames(created);
    if (paths.empty())
        return;
    Widget list = object_config_tool->identification().name_list();
    XmStr item(paths.front());
    int count = 0;
    XtVaGetValues(list, XmNitemCount, &count, nullptr);
    if (count == 0) {
        XmListAddItemUnselected(list, item.get(), 0);
    } else {
        XmString items[] = {item.get()};
        XmListReplaceItemsPos(list, items, 1, 1);
    }
}

// Create mode: the prepared object is created with every property the window
// holds. Each Apply creates from the prepared entry again. Returns false when
// the server refused; the Apply then stops where it is.
bool apply_create(RWTValSlist<RWCString>& applied)
{
    if (node_list.size() != 1)
        refuse_quoted_name();
    Node node = node_list.front();
    node.set_name();
    applied.push_back(node.get_name());
    node.set_type();
    node.set_coordinates();
    node.set_display_status();
    node.set_object_desc();
    node.set_agents();
    const QvStatus created = node.handle().create_with_all_attributes();
    status = created;
    if (!created) {
        report(get_error_str(created));
        exit_tolvar = 0;
        stop_apply();
        return false;
    }
    adopt_visible_children(node.handle());
    show_created_object(node.handle());
    return true;
}

// Each default agent's managed object, once per object written, under the
// object's name; the agent keeps its object path.
void create_default_agents(const RWTValSlist<RWCString>& names)
{
    AgentView& agents = *model_context().agents;
    for (int row = 0; row < agents.num_agents(); ++row) {
        AgentMo* agent = agents.agent_at(row);
        if (!agent || !agent->is_default())
            continue;
        for (const RWCString& name : names) {
            // Too long a name was refused when the object's list was made.
            if (!agent->check_dn(agent->system_name(), name))
                continue;
            const RWCString path = agent->get_dn();
            const RWCString dn = agent->get_dn(agent->system_name(), name);
            agent->rename(name);
            agent->set_dn(dn.c_str());
            agent->get_mo(0);
            agent->create_mo();
            agent->set_dn(path.c_str());
        }
    }
}

void clear_changed_flags()
{
    ModelContext& c = model_context();
    header->clear_type_changed();
    c.coord->clear_changed();
    c.display->clear_changed();
    c.agents->clear_changed();
}

// The checks before anything is written; false when Apply stops.
bool may_apply()
{
    if (apply_in_progress) {
        exit_tolvar = 0;
        return false;
    }
    if (derive_in_progress) {
        report(212, "Cannot save data while browser derive is in progress.");
        exit_tolvar = 0;
        return false;
    }
    return true;
}

// With one object, its name: none refused with a quote, and not none at all.
bool name_is_usable()
{
    refuse_quoted_name();
    if (!node_list.front().get_name().empty() || !header->get_current_name().empty())
        return true;
    report(210, "Object has no name.\nEnter new name in name field to rename.");
    exit_tolvar = 0;
    stop_apply();
    return false;
}

}  // namespace

void ObjectConfig::apply_button_cb(Widget, XtPointer)
{
    if (!may_apply())
        return;
    apply_in_progress = 1;
    const std::size_t count = node_list.size();
    if (count == 0) {
        apply_in_progress = 0;
        return;
    }
    exit_tolvar = 1;
    set_busy_cursor(dialog());
    if (count == 1 && !name_is_usable())
        return;
    RWTValSlist<RWCString> applied;
    if (create_node) {
        if (!apply_create(applied))
            return;
    } else if (!apply_configure(count >= 2, applied)) {
        stop_apply();
        return;
    }
    create_default_agents(applied);
    clear_changed_flags();
    stop_apply();
}

void ObjectConfig::ok_button_cb(Widget widget, XtPointer call_data)
{
    apply_button_cb(widget, call_data);
    if (exit_tolvar)
        program_exit(0);
    exit_tolvar = 1;
}
