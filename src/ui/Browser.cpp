#include "ui/Browser.hpp"

#include <algorithm>
#include <cstring>
#include <iostream>

#include <Xm/Xm.h>

#include "process/RunState.hpp"
#include "ui/BrowserEvents.hpp"
#include "ui/BrowserTree.hpp"
#include "ui/DragDrop.hpp"
#include "widgets/Outline.hpp"

std::vector<Browser*> Browser::object_list;
std::vector<Browser*> Browser::selected_list;
Browser* current_selected = nullptr;
Widget mw_navigator = nullptr;
int sort_on = 1;
int default_scope = 1;
std::string browser_parent;
int browser_type = 0;

namespace {

bool name_before(const Browser* object, const std::string& name)
{
    return std::strcmp(object->name.c_str(), name.c_str()) < 0;
}

std::vector<Browser*>::iterator position_of(const std::string& name)
{
    auto& list = Browser::object_list;
    auto it = std::lower_bound(list.begin(), list.end(), name, name_before);
    return it != list.end() && (*it)->name == name ? it : list.end();
}

// A node going away (with its parent's, or the whole outline) leaves its
// object without one.
void node_destroyed_cb(Widget widget, XtPointer, XtPointer)
{
    if (Browser* object = find_object(widget))
        object->widget = nullptr;
}

void node_activated_cb(Widget widget, XtPointer, XtPointer) { object_selected(XtName(widget)); }

// The album's events come with the cookie the derivation started under.
XtPointer cookie_data(long cookie) { return reinterpret_cast<XtPointer>(cookie); }

}  // namespace

Browser::Browser(const char* object_name) : name(object_name ? object_name : "") {}

Browser::~Browser()
{
    if (widget) {
        Widget node = widget;
        widget = nullptr;
        XtRemoveCallback(node, XmNdestroyCallback, node_destroyed_cb, nullptr);
        XtDestroyWidget(node);
    }
    album.release();
}

int Browser::derive(int depth, const char* filter)
{
    if (flags & kDeriving)
        return 1;
    std::string text = name.empty() || name.back() != '/' ? name + "/*" : name + "*";
    if (filter && *filter)
        text += "/CMISFilter(" + std::string(filter) + ")";
    const long cookie = current_cookie();
    const std::string album_name = name + ".XXNICKYY." + std::to_string(cookie);
    flags |= kDeriving;
    Platform* platform = server_connection();
    if (!platform)
        return 1;
    platform->reset_error();

    Album fetched(album_name, platform);
    if (!fetched.valid())
        return 1;
    fetched.set_prop("TRACKMODE", "TRACK");
    fetched.when("OBJECT_DESTROYED", Callback(object_excluded_cb, cookie_data(cookie)));
    fetched.when("OBJECT_CREATED", Callback(object_included_cb, cookie_data(cookie)));
    if (!fetched.set_derivation(text))
        return 1;

    derive_state = 1;
    if (!fetched.derive(kDeriveTimeout) && current_cookie() != cookie)
        return 2;
    derive_state = 2;
    if (current_cookie() != cookie)
        return 2;
    album = fetched;
    child_count = album.num_images();
    if (depth < 1) {
        flags &= ~(kDeriving | kDerived);
        return 0;
    }
    for (AlbumImage it = album.first_image(); it; it = it.next_image()) {
        Image image = it.image();
        const std::string child_name = image.get_objname().str();
        image.get_objclass();
        if (current_cookie() != cookie)
            return 2;
        if (child_name.empty())
            continue;
        Browser* child = find_album_object(child_name);
        if (!child) {
            child = new Browser(child_name.c_str());
            child->parent_name = name;
            insert(child);
        }
        if (depth > 1) {
            if (child->derive(depth - 1, filter) == 2)
                return 2;
            if (current_cookie() != cookie) {
                std::cout << "DEBUG : Browser::derive() : Invalid stack " << child_name << std::endl;
                return 2;
            }
        }
    }
    flags &= ~(kDeriving | kDerived);
    return 0;
}

void Browser::display(int depth)
{
    flags |= kDisplaying;
    outline_form(depth);
    if (depth > 0 && child_count > 0) {
        flags |= kChildrenDisplaying;
        for (AlbumImage it = album.first_image(); it; it = it.next_image())
            if (Browser* child = find_album_object(it.image().get_objname().str()))
                child->display(depth - 1);
    }
    flags &= ~(kDisplaying | kChildrenDisplaying);
}

void Browser::outline_form(int depth)
{
    Widget before = nullptr;
    if (sort_on)
        if (Browser* sibling = find_next_displayed_sibling())
            before = sibling->widget;
    Widget parent_node = nullptr;
    if (Browser* parent = find_album_object(parent_name))
        parent_node = parent->widget;
    // The node state field records only what the user and the server's
    // events did to the node: 0 tells a node never opened.
    widget = CreateNode(mw_navigator, parent_node, before, name.c_str(), depth > 0 ? kOutlineOpen : kOutlineClosed);
}

Browser* Browser::find_next_displayed_sibling()
{
    auto it = position_of(name);
    if (it == object_list.end()) {
        std::cout << "DEBUG : find_next_displayed_sibling() POS ERROR " << name << std::endl;
        return nullptr;
    }
    // Siblings and their descendants all begin with the parent's name and a
    // "/": the first name that does not is past them all.
    const std::string prefix = parent_name.empty() || parent_name.back() == '/' ? parent_name : parent_name + "/";
    for (++it; it != object_list.end(); ++it) {
        if ((*it)->name.compare(0, prefix.size(), prefix) != 0)
            break;
        if ((*it)->widget && (*it)->parent_name == parent_name)
            return *it;
    }
    return nullptr;
}

Widget Browser::CreateNode(Widget outline, Widget parent_node, Widget insert_before, const char* node_name,
                           int state)
{
    const std::string label = label_of(node_name);
    XtTranslations drag = browser_drag_translations();
    Widget node = create_outline_node(outline, parent_node, insert_before, node_name, label.c_str(), state, drag);
    XtAddCallback(node, XmNactivateCallback, node_activated_cb, nullptr);
    XtAddCallback(node, XmNdestroyCallback, node_destroyed_cb, nullptr);
    if (!drag)
        init_browser_drag_actions(node);
    return node;
}

std::string Browser::label_of(const std::string& full_name)
{
    std::string::size_type cut = std::string::npos;
    bool quoted = false;
    for (std::string::size_type i = 0; i < full_name.size(); ++i) {
        if (full_name[i] == '"')
            quoted = !quoted;
        else if (full_name[i] == '/' && !quoted)
            cut = i;
    }
    if (cut == std::string::npos || cut + 1 == full_name.size())
        return full_name;
    return full_name.substr(cut + 1);
}

void Browser::insert(Browser* object)
{
    auto it = std::lower_bound(object_list.begin(), object_list.end(), object->name, name_before);
    object_list.insert(it, object);
}

void Browser::remove(Browser* object)
{
    auto it = position_of(object->name);
    if (it != object_list.end() && *it == object)
        object_list.erase(it);
    selected_list.erase(std::remove(selected_list.begin(), selected_list.end(), object), selected_list.end());
    if (current_selected == object)
        current_selected = nullptr;
}

Browser* find_album_object(const std::string& name)
{
    auto it = position_of(name);
    return it == Browser::object_list.end() ? nullptr : *it;
}

Browser* find_object(Widget widget)
{
    if (!widget)
        return nullptr;
    for (Browser* object : Browser::object_list)
        if (object->widget == widget)
            return object;
    return nullptr;
}
