// Helpers for driving the object browser opened from the SNMP dialog: its
// button, its nodes by object name, and a click on a node's folder.
#pragma once

#include <string>

#include <X11/Intrinsic.h>

class Browser;

namespace qv::gui {

// Presses the SNMP dialog's " Browser... " and waits for the browser.
void press_browser();
// The browser's object of that name (fails the test when there is none).
Browser* object_named(const std::string& name);
// A click with button 1 on a node's folder, as a user opens or closes it;
// returns once the outline changed the node's state (and the browser
// derived what an opened node needs).
void click_folder(Widget node);

}  // namespace qv::gui
