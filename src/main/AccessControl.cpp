#include "main/AccessControl.hpp"

#include "gui/XtGlobals.hpp"
#include "main/Connect.hpp"
#include "process/Catalogue.hpp"
#include "process/ProgramExit.hpp"
#include "process/RunState.hpp"
#include "ui/ErrorDialog.hpp"
#include "ui/ExitFlows.hpp"

namespace {

[[noreturn]] void refuse(const char* message)
{
    error_dialog(root_widget, message, exit_no_save, exit_no_save);
    program_exit(0);  // the dialog's buttons end the program before this
}

}  // namespace

int access_control()
{
    AuthFeatures features;
    if (!qv->get_authorized_features(features, nullptr, nullptr))
        refuse(cat_text(kToolSet, 832, "Not authorized to run Object Properties"));
    const AuthPriv rights(features);
    create_objects_access = rights.is_authorized("CreateObjects") ? 1 : 0;
    if (create_node && !create_objects_access)
        refuse(cat_text(kToolSet, 828, "Not authorized to create objects"));
    modify_coordinates_access = rights.is_authorized("ModifyCoordinates") ? 1 : 0;
    modify_desc_agent_type_status_access = rights.is_authorized("ModifyDescrAgentTypeStatus") ? 1 : 0;
    modify_bg_img_access = rights.is_authorized("ModifyBackgroundImage") ? 1 : 0;
    return 1;
}
