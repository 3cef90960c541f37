// The main window's object identification: the name field, the list of
// objects being edited and its Add and Delete buttons. In configure mode list
// position p always shows node-list entry p-1.
#include <Xm/List.h>

#include "gui/BusyCursor.hpp"
#include "gui/ListSelection.hpp"
#include "gui/XmStr.hpp"
#include "gui/XtGlobals.hpp"
#include "model/Lookups.hpp"
#include "model/ModelContext.hpp"
#include "model/NodeList.hpp"
#include "model/ReadScope.hpp"
#include "process/Catalogue.hpp"
#include "process/Rights.hpp"
#include "process/RunState.hpp"
#include "ui/ErrorDialog.hpp"
#include "ui/Header.hpp"
#include "ui/NamesSelection.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/Windows.hpp"

namespace {

void report(Widget parent, const char* message) { error_dialog(parent, message, cancel_error, cancel_error); }

// Shows node-list entry 0 after a Delete: all of it when it is the only
// object; its type and stored data only when the objects are of one kind.
void show_first_object(bool only)
{
    ModelContext& c = model_context();
    Node node = node_list.front();
    RWCString type;
    node.handle().get_type_name(type);
    const RWCString system = node.handle().get_dn().system_name();
    if (only || !header->is_mixed_state()) {
        header->update_types(type);
        if (!only) {
            c.stored_data->clear_page();
            node.get_object_desc();
        }
    }
    c.agents->clear_table();
    node.get_agents(system);
    if (only) {
        c.stored_data->clear_page();
        node.get_object_desc();
    }
    node.get_coordinates();
    node.get_display_status();
    node.get_background_properties();
}

// Waits, dispatching every kind of event, until the name selection dialog
// has been answered.
void wait_for_name_selection()
{
    ReadScope::forget();  // the pick is the user's own action, read afresh
    if (!answer)
        while (answer == 0)
            XtAppProcessEvent(app_context, XtIMAll);
    answer = 0;
}

}  // namespace

void ObjectConfig::add_name_button_cb(Widget, XtPointer)
{
    ReadScope reads;
    Widget list = identification_.name_list();
    set_busy_cursor(tolvar_dialog_);
    const RWCString name = header->get_current_name();
    if (name.empty()) {
        reset_busy_cursor(tolvar_dialog_);
        return;
    }
    if (header->refuse_quoted_name()) {
        reset_busy_cursor(tolvar_dialog_);
        return;
    }
    const RWTValSlist<QvTopoNodeDn> found = find_topo_nodes(name.c_str());
    if (found.empty() && !create_node) {
        report(tolvar_dialog_, cat_text(kToolSet, 203, "Object not found"));
        reset_busy_cursor(tolvar_dialog_);
        return;
    }
    if (create_node) {
        add_new_node_to_list(name);
        reset_busy_cursor(tolvar_dialog_);
        return;
    }
    XmListDeleteAllItems(names_dialog()->names_list());
    for (const QvTopoNodeDn& dn : found) {
        QvTopoNode node(server_connection());
        node.set_dn(dn);
        const RWTValSlist<RWCString> paths = get_topo_pathnames(node);
        if (found.size() > 1) {
            names_dialog()->display_pathnames(paths);
            continue;
        }
        // One list entry and one node-list entry per path name, in step.
        for (const RWCString& path : paths) {
            XmStr item(path);
            XmListAddItemUnselected(list, item.get(), 0);
            header->set_name_text("");
            add_node_to_list(found.front());
            reset_busy_cursor(tolvar_dialog_);
        }
    }
    if (found.size() > 1)
        wait_for_name_selection();
    reset_busy_cursor(tolvar_dialog_);
}

void ObjectConfig::name_changed_cb(Widget widget, XtPointer call_data)
{
    ReadScope reads;  // the Add and the pick that follows are one action
    add_name_button_cb(widget, call_data);
    XmListSelectPos(identification_.name_list(), 0, True);
}

void ObjectConfig::name_selected_cb(Widget, XtPointer)
{
    Widget list = identification_.name_list();
    set_busy_cursor(tolvar_dialog_);
    const int position = first_selected_position(list);
    if (create_node || position < 1 || position > static_cast<int>(node_list.size())) {
        reset_busy_cursor(tolvar_dialog_);
        return;
    }
    ReadScope reads;
    Node node = node_list[static_cast<std::size_t>(position - 1)];
    const QvStatus loaded = ReadScope::load(node.handle());
    if (!loaded)
        report(XtParent(list), get_error_str(loaded).c_str());
    show_selected_object(node);
    // Delete follows the selection, for users who may change objects at all.
    XtSetSensitive(identification_.delete_name_button(), modify_desc_agent_type_status_access ? True : False);
    reset_busy_cursor(tolvar_dialog_);
}

void ObjectConfig::delete_name_button_cb(Widget, XtPointer)
{
    Widget list = identification_.name_list();
    const int position = first_selected_position(list);
    if (position < 1)
        return;
    int index = position - 1;
    remove_node_from_list(index);
    XmListDeletePos(list, position);
    XtSetSensitive(identification_.delete_name_button(), False);
    int count = 0;
    XtVaGetValues(list, XmNitemCount, &count, nullptr);
    if (count >= 1 && !node_list.empty())
        show_first_object(count == 1);
}
