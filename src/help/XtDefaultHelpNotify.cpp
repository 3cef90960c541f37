#include "help/XtDefaultHelpNotify.hpp"

#include "help/XtHelp.hpp"

void XtDefaultHelpNotify::processCreated(XtHelp* help, long pid)
{
    help_ = help;
    pid_ = pid;
}

void XtDefaultHelpNotify::processExited(long pid)
{
    if (pid == 0 || pid != pid_)
        return;
    XtHelp* help = help_;
    help_ = nullptr;
    pid_ = 0;
    if (help)
        help->processExited();
}

XtDefaultHelpNotify* XtDefaultHelpNotify::shared()
{
    static XtDefaultHelpNotify* instance = new XtDefaultHelpNotify;
    return instance;
}
