// The notify object of launchers given none: remembers the last viewer
// started and clears the launcher's viewer pid when exactly that one ends.
#pragma once

#include "help/XtHelpNotify.hpp"

class XtDefaultHelpNotify : public XtHelpNotify {
public:
    void processCreated(XtHelp* help, long pid) override;
    void processExited(long pid) override;

    // The one instance shared by all launchers without a notify object; made
    // on first need and never freed.
    static XtDefaultHelpNotify* shared();

private:
    XtHelp* help_ = nullptr;
    long pid_ = 0;
};
