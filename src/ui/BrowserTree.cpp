#include "ui/BrowserTree.hpp"

#include <algorithm>
#include <iostream>

#include <Xm/Hierarchy.h>
#include <Xm/Xm.h>

#include "gui/BusyCursor.hpp"
#include "gui/XmStr.hpp"
#include "process/Catalogue.hpp"
#include "ui/Apply.hpp"
#include "ui/Browser.hpp"
#include "ui/ObjectBrowser.hpp"
#include "ui/Windows.hpp"
#include "widgets/Outline.hpp"

namespace {

// Shows the children of an opened node that have no node yet, closed; the
// outline is laid out once for all of them.
void show_children(Browser* object)
{
    const long cookie = current_cookie();
    suspend_outline_layout(mw_navigator);
    for (AlbumImage it = object->album.first_image(); it; it = it.next_image()) {
        const std::string child_name = it.image().get_objname().str();
        Browser* child = find_album_object(child_name);
        if (child && child->widget)
            continue;
        if (!child) {
            child = new Browser(child_name.c_str());
            child->parent_name = object->name;
            Browser::insert(child);
        }
        if (current_cookie() != cookie)
            std::cout << "DEBUG : Browser::derive() : Invalid stack node_state " << child_name << std::endl;
        child->display(0);
    }
    resume_outline_layout(mw_navigator);
}

void swap_colours(Widget node)
{
    if (!node)
        return;
    Pixel foreground = 0;
    Pixel background = 0;
    XtVaGetValues(node, XmNforeground, &foreground, XmNbackground, &background, nullptr);
    XtVaSetValues(node, XmNforeground, background, XmNbackground, foreground, nullptr);
}

}  // namespace

void create_browser_window(Widget parent)
{
    mw_navigator = create_outline(parent, "mw_navigator", node_state_cb, nullptr);
}

void build_tree(const std::string& root)
{
    auto* object = new Browser(root.c_str());
    Browser::insert(object);
    derive_in_progress = 1;
    if (object->derive(default_scope, nullptr) != 2) {
        suspend_outline_layout(mw_navigator);
        object->display(default_scope);
        resume_outline_layout(mw_navigator);
    }
    derive_in_progress = 0;
}

void destroy_tree()
{
    std::vector<Browser*>& list = Browser::object_list;
    // A tree whose root derivation was abandoned has no nodes: it goes too.
    if (list.empty())
        return;
    if (list.front()->widget)
        XtDestroyWidget(list.front()->widget);
    std::vector<Browser*> objects;
    objects.swap(list);
    Browser::selected_list.clear();
    current_selected = nullptr;
    for (Browser* object : objects)
        delete object;
    if (object_browser_built())
        object_browser()->xd_hide();
    browser_parent.clear();
    browser_type = 0;
}

void node_state_cb(Widget, XtPointer, XtPointer call_data)
{
    const auto* data = static_cast<XmHierarchyNodeStateData*>(call_data);
    if (!data || data->state != XmOpen)
        return;
    Browser* object = find_object(data->widget);
    if (!object)
        object = find_album_object(XmStr::of_resource(data->widget, XmNlabelString));
    if (!object) {
        std::cout << cat_text(kToolSet, 700, "ERROR opening object: ")
                  << XmStr::of_resource(data->widget, XmNlabelString) << std::endl;
        return;
    }
    object->node_state = kOutlineOpen;
    if (object->derive_state == 1)
        return;
    // The server may take a while: the hourglass says so, and events go on
    // being handled while the derivation waits.
    set_busy_cursor(mw_navigator);
    const bool abandoned = object->derive_state == 0 && object->derive(0, nullptr) == 2;
    if (!abandoned && object->child_count > 0)
        show_children(object);
    reset_busy_cursor(mw_navigator);
}

void object_selected(const std::string& name)
{
    Browser* object = find_album_object(name);
    if (object && object == current_selected) {
        deselect(object);
        current_selected = nullptr;
        return;
    }
    deselect_all();
    if (!object)
        return;
    select(object);
    current_selected = object;
}

void select(Browser* object)
{
    if (object->selected)
        return;
    swap_colours(object->widget);
    object->selected = true;
    Browser::selected_list.push_back(object);
}

void deselect(Browser* object)
{
    if (!object->selected)
        return;
    swap_colours(object->widget);
    object->selected = false;
    auto& list = Browser::selected_list;
    list.erase(std::remove(list.begin(), list.end(), object), list.end());
}

void deselect_all()
{
    const std::vector<Browser*> selected = Browser::selected_list;
    for (Browser* object : selected)
        deselect(object);
    current_selected = nullptr;
}
