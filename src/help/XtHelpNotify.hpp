// Told when a help launcher starts a viewer and when a viewer process ends.
// The base class does nothing.
#pragma once

class XtHelp;

class XtHelpNotify {
public:
    virtual ~XtHelpNotify() = default;
    virtual void processCreated(XtHelp* help, long pid);
    // Runs from the child-exit signal handler: async-signal-safe work only.
    virtual void processExited(long pid);
};
