// Helpers for driving the object browser opened from the SNMP dialog: its
// button, its nodes by object name, and opening a node as a click does.
#pragma once

#include <string>

#include <X11/Intrinsic.h>

class Browser;

namespace qv::gui {

// Presses the SNMP dialog's " Browser... " and waits for the browser.
void press_browser();
// The browser's object of that name (fails the test when there is none).
Browser* object_named(const std::string& name);
// A click on a node's folder: the outline changes the state and tells its
// node state callback.
void set_node_open(Widget node, bool open);

}  // namespace qv::gui
