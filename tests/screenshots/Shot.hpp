// Screenshots for a person to look at (make screenshots): what the screen
// shows, cut to the windows on it.
#pragma once

#include <string>

namespace qv::gui {

// Saves the part of the screen the viewable windows cover as
// <output directory>/name.png and prints its path; the tool keeps handling
// events meanwhile.
void shot(const std::string& name);

}  // namespace qv::gui
