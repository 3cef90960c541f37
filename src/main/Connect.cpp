#include "main/Connect.hpp"

#include "gui/XtGlobals.hpp"
#include "main/PasswordGui.hpp"
#include "main/RetryDialog.hpp"
#include "platform/QvTopoPlatform.hpp"
#include "process/ProgramExit.hpp"
#include "process/RunState.hpp"
#include "ui/ExitFlows.hpp"

bool platform_connect_gui(Platform& platform, const DataUnit& server_name, const DataUnit& application,
                          Widget parent, XtAppContext context, unsigned long attempts,
                          const PasswordGui* prompter)
{
    if (attempts == 0)
        return false;
    for (unsigned long attempt = 1;; ++attempt) {
        if (platform.connect(server_name, application, kDefaultTimeoutRequest) == 1)
            return true;
        const bool cancelled = prompter && prompter->login_cancelled();
        if (!retry_dialog(parent, context, platform.get_error_string().c_str(), cancelled))
            return false;
        platform.reset_error();
        if (attempt + 1 > attempts)
            return false;
    }
}

int connect()
{
    qv = new Platform("QV", "");
    PasswordGui prompter(root_widget, app_context);
    if (!platform_connect_gui(*qv, server, "qv_tolvar", root_widget, app_context, kConnectAttempts, &prompter))
        program_exit(0);
    qv->replace_discriminator_classes(DUArray{"cmipAgentEntity"}, DUArray{"objectCreation", "objectDeletion"});
    QvTopoPlatform::initialize(*qv, 1);
    qv->when("DISCONNECTED", Callback(qv_disc_cb, nullptr));
    return 1;
}
