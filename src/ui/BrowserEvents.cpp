#include "ui/BrowserEvents.hpp"

#include <iostream>

#include "platform/Image.hpp"
#include "process/Catalogue.hpp"
#include "process/RunState.hpp"
#include "ui/Browser.hpp"
#include "widgets/Outline.hpp"

namespace {

constexpr const char* kAlbumMark = ".XXNICKYY.";

bool is_current(void* client_data) { return reinterpret_cast<long>(client_data) == current_cookie(); }

}  // namespace

void object_included_cb(void* client_data, void* event_data)
{
    if (!is_current(client_data))
        return;
    CurrentEvent event(event_data);
    const std::string name = event.get_objname().str();
    if (!name.empty())
        add_object(name, reinterpret_cast<long>(client_data));
}

void object_excluded_cb(void* client_data, void* event_data)
{
    if (!is_current(client_data))
        return;
    CurrentEvent event(event_data);
    remove_object(event.get_objname().str());
}

void add_object(const std::string& name, long cookie)
{
    // The album the object joined is named after its parent.
    Image image(name, DataUnit(), server_connection());
    const std::vector<Album> albums = image.albums();
    if (current_cookie() != cookie || albums.empty())
        return;
    const std::string album_name = albums.front().get_prop("NICKNAME").str();
    if (current_cookie() != cookie)
        return;
    const std::string parent_name = album_name.substr(0, album_name.find(kAlbumMark));
    Browser* parent = find_album_object(parent_name);
    if (!parent)
        return;
    if (parent->name.empty()) {
        std::cout << cat_text(kToolSet, 701, "error getting album_name ") << album_name << std::endl;
        return;
    }
    if (find_album_object(name))
        return;
    ++parent->child_count;
    auto* object = new Browser(name.c_str());
    object->parent_name = parent->name;
    Browser::insert(object);
    if (object->derive(0, nullptr) == 2 || current_cookie() != cookie || !parent->widget)
        return;
    // A parent never opened opens to show its new child.
    if (parent->node_state == 0) {
        parent->node_state = kOutlineOpen;
        set_outline_node_state(parent->widget, kOutlineOpen);
    }
    object->display(0);
}

void remove_object(const std::string& name)
{
    Browser* object = find_album_object(name);
    if (!object)
        return;
    if (object->widget) {
        Widget node = object->widget;
        XtDestroyWidget(node);
    }
    Browser* parent = find_album_object(object->parent_name);
    if (!parent) {
        std::cout << cat_text(kToolSet, 702, "deleted parent ") << name << std::endl;
        return;
    }
    if (--parent->child_count <= 0) {
        parent->child_count = 0;
        parent->node_state = kOutlineClosed;
        if (parent->widget)
            set_outline_node_state(parent->widget, kOutlineClosed);
        else
            std::cout << "DEBUG : Widget is NULL !!!" << std::endl;
    }
    Browser::remove(object);
    delete object;
}
