// The kinds of topology types as the header uses them: which kinds a set of
// edited objects mixes, which kind the type menu is restricted to, and which
// type changes keep the properties an object has.
#pragma once

#include "platform/Types.hpp"

// Kind bits; a type may have several.
enum TypeKind : unsigned {
    kKindContainer = 1u << 0,
    kKindMonitor = 1u << 1,
    kKindDevice = 1u << 2,
    kKindLink = 1u << 3,
    kKindArray = 1u << 4,
    kKindBus = 1u << 5,
};

// The kinds of a type name as the server declared them (views not counted).
unsigned type_kinds(const RWCString& type);

// True when objects of these kinds together cannot share one type menu:
// containers with any other kind, monitors with devices, links, arrays or
// buses, devices with links, arrays or buses, arrays with buses. Links go
// with arrays and with buses.
bool kinds_mixed(unsigned kinds);

// The kind word the menu is restricted to: the first that holds of "array",
// "bus", "monitor", "device", "link", "container"; "" for none.
const char* menu_kind(unsigned kinds);

// Whether a type is of the kind a word names; false for a word that names
// no kind (known is then false too).
bool type_is_of_kind(const RWCString& kind_word, const RWCString& type, bool& known);

// A type change is legal unless it crosses between a view and a non-view
// type: views have a background and a map, other objects do not.
bool is_legal_type_change(const RWCString& old_type, const RWCString& new_type);
