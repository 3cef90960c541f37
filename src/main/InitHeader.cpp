// Start-up of the header and of the node list from the command line: the
// objects named by id or by name in configure mode, the object prepared for
// creation in create mode.
#include <sstream>

#include <Xm/Xm.h>

#include "gui/XtGlobals.hpp"
#include "main/ModeSetup.hpp"
#include "main/TitleText.hpp"
#include "main/Usage.hpp"
#include "model/Lookups.hpp"
#include "model/ModelContext.hpp"
#include "model/NodeCreation.hpp"
#include "model/NodeList.hpp"
#include "model/ReadScope.hpp"
#include "platform/QvTopoPlatform.hpp"
#include "process/Catalogue.hpp"
#include "process/ProgramExit.hpp"
#include "process/RunState.hpp"
#include "ui/ErrorDialog.hpp"
#include "ui/Header.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/Windows.hpp"

namespace {

void report(const char* message) { error_dialog(root_widget, message, cancel_error, cancel_error); }

void read_types()
{
    QvTopoPlatform* topology = QvTopoPlatform::instance();
    const QvStatus found = topology ? topology->find_all_types(header->type_dns())
                                    : QvStatus::failure(QvStatus::NotConnected, "Not connected to the server");
    if (!found)
        report(get_error_str(found).c_str());
}

// Create mode. With several names every word gets an object and a list
// entry, the last word too: Apply and the list callbacks take list position
// p for node-list entry p-1, so the two must stay in step, and Apply creates
// node-list entry 0 whatever follows it.
void init_create_mode(const RWCString& name, const RWCString& visible_children, const RWCString& bus_locations,
                      const RWCString& parent, const RWCString& link, RWCString type)
{
    const std::string title =
        format_title(cat_text(kToolSet, 827, "Zentra - Create Object"), kVersionText, server ? server : "");
    XtVaSetValues(object_config_tool->shell(), XmNtitle, title.c_str(), nullptr);
    header->set_types(0);
    if (type.empty())
        type = "Host";
    header->update_types(type);

    const RWTValSlist<RWCString> names = split_words(name);
    if (names.size() <= 1) {
        if (!names.empty())
            header->set_name_text(name);
        add_new_node_to_list(names.empty() ? RWCString() : names.front(), parent, link, type, visible_children,
                             bus_locations);
    } else {
        header->set_name_text(name);
        for (const RWCString& word : names) {
            if (node_list.empty())
                add_new_node_to_list(word, parent, link, type, visible_children, bus_locations);
            else
                add_new_node_to_list(word);
            header->add_name(word.c_str());
        }
    }
    if (node_list.empty()) {
        usage();
        program_exit(1);
    }
}

// Configure mode by ids: each object that has a path name gets a list entry.
// An id that is no number stops the loading; one that names no object is
// reported ("Invalid Id" for the last, the server's text for the others)
// and skipped.
void init_configure_ids(const RWCString& id)
{
    header->set_types(0);
    const RWTValSlist<RWCString> ids = split_words(id);
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const bool last = i + 1 == ids.size();
        RWCString system = ids[i];
        const long number = get_node_id(system, server ? server : "");
        if (number == -1) {
            report("Invalid Id");
            return;
        }
        const QvTopoNodeDn dn(system, number);
        QvTopoNode node(server_connection());
        QvStatus loaded = node.set_dn(dn);
        if (loaded)
            loaded = ReadScope::load(node);
        if (!loaded) {
            report(last ? "Invalid Id" : get_error_str(loaded).c_str());
            continue;
        }
        const RWTValSlist<RWCString> paths = get_topo_pathnames(node);
        if (paths.empty())
            continue;
        add_node_to_list(dn);
        header->add_name(paths.front().c_str());
        if (last)
            header->select_top();
    }
}

// Configure mode by names: each word that names objects is looked up as if
// typed into the name field.
void init_configure_names(const RWCString& name)
{
    header->set_types(0);
    const RWTValSlist<RWCString> names = split_words(name);
    bool last_found = false;
    for (const RWCString& word : names) {
        last_found = !find_topo_nodes(word.c_str()).empty();
        if (last_found)
            header->add_to_name_list(word.c_str());
    }
    if (!last_found)
        header->update_types("Host");
}

}  // namespace

void init_header(RWCString name, RWCString id, RWCString visible_children, RWCString bus_locations,
                 RWCString parent, RWCString link, RWCString type)
{
    header = new Header(object_config_tool);
    model_context().header = header;
    // Start-up is one action: each object is read once, the pages filled once.
    ReadScope reads;
    read_types();
    if (create_node) {
        init_create_mode(name, visible_children, bus_locations, parent, link, type);
        return;
    }
    if (!split_words(name).empty()) {
        init_configure_names(name);
        return;
    }
    if (split_words(id).empty()) {
        header->set_types(1);
        return;
    }
    init_configure_ids(id);
}
