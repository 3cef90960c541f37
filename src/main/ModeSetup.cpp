#include "main/ModeSetup.hpp"

#include <Xm/Xm.h>

#include "gui/XtGlobals.hpp"
#include "main/Catalogue.hpp"
#include "main/StartupState.hpp"
#include "main/TitleText.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/Windows.hpp"

// The agent classes take over here: the current agent of the protocol is
// created and filled from the host name.
void init_agent_mode(const RWCString&) {}

void init_rpc_table() {}

void init_header(RWCString, RWCString, RWCString, RWCString, RWCString, RWCString, RWCString)
{
    if (create_node) {
        const std::string title =
            format_title(cat_text(kToolSet, 827, "Zentra - Create Object"), kVersionText, server ? server : "");
        XtVaSetValues(object_config_tool->shell(), XmNtitle, title.c_str(), nullptr);
    }
}

void init_member_drag_actions() {}
