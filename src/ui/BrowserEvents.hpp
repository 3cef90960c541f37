// The server's album events while the browser shows a tree: objects created
// below a derived object join the outline, deleted ones leave it.
#pragma once

#include <string>

// Album callbacks; client_data is the cookie the derivation started under,
// events of an older state are ignored.
void object_included_cb(void* client_data, void* event_data);
void object_excluded_cb(void* client_data, void* event_data);

// The object named name was created on the server / was destroyed.
void add_object(const std::string& name, long cookie);
void remove_object(const std::string& name);
