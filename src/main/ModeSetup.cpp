#include "main/ModeSetup.hpp"

#include <Xm/Xm.h>

#include "gui/XtGlobals.hpp"
#include "main/TitleText.hpp"
#include "process/Catalogue.hpp"
#include "process/RunState.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/Windows.hpp"

// The agent classes take over here: the current agent of the protocol is
// created and filled from the host name.
void init_agent_mode(const RWCString&) {}

void init_rpc_table() {}

void init_member_drag_actions() {}
