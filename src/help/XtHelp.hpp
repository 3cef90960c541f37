// The help viewer launcher: finds the help file on HHPATH, starts the viewer
// program "$QV_HOME/bin/hyperhelp" when none serves this client yet, and
// otherwise hands commands to the running viewer through the root-window
// record (HelpRecord) and a client message.
#pragma once

#include <memory>
#include <string>

#include <X11/Intrinsic.h>

#include "help/XtHelpError.hpp"
#include "help/XtHelpNotify.hpp"

class XtHelp {
public:
    XtHelp() = default;
    // Runs terminate().
    virtual ~XtHelp();
    XtHelp(const XtHelp&) = delete;
    XtHelp& operator=(const XtHelp&) = delete;

    // parent gives the display and must not be null. Null error or notify
    // objects are replaced by a fresh XtHelpError and the shared default
    // notify object. Sets LD_LIBRARY_PATH, and the first time any launcher
    // initialises, HHHOME and HHPATH from QV_HOME. 0, or -1 when changing
    // the environment failed.
    int initialize(Widget parent, XtHelpNotify* notify = nullptr, XtHelpError* error = nullptr);

    // Looks the file up on HHPATH; found or not, returns 0 (the next
    // showHelpOnTopic reports a missing file).
    int setHelpFile(const char* name);
    // Topic -1 opens the search, -2 the help on help. 0 or -1.
    int showHelpOnTopic(int topic);
    int showTableOfContents();
    // Tells the viewer this launcher started, if any, to quit.
    void terminate();

    // The error object's message, or null.
    const char* getMessage() const;
    // The viewer this launcher started has ended.
    void processExited() { pid_ = 0; }
    long viewer_pid() const { return pid_; }
    const std::string& help_file() const { return help_file_; }

private:
    int sendEvent(const std::string& command);
    int startViewer(const std::string& command, bool setup);
    int fail(const std::string& message);

    Widget parent_ = nullptr;
    volatile long pid_ = 0;
    std::string help_file_;
    bool have_help_file_ = false;
    bool help_file_set_ = false;
    XtHelpError* error_ = nullptr;
    std::unique_ptr<XtHelpError> own_error_;  // when the caller gave none
    XtHelpNotify* notify_ = nullptr;
};
