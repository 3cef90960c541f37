#include "help/XtHelp.hpp"

#include <cstdlib>
#include <string>

#include "help/HelpEnvironment.hpp"
#include "help/HelpPaths.hpp"
#include "help/HelpRecord.hpp"
#include "help/HelpRootProperty.hpp"
#include "help/ViewerChannel.hpp"
#include "help/ViewerProcess.hpp"
#include "help/XtDefaultHelpNotify.hpp"

XtHelp::~XtHelp()
{
    terminate();
    ViewerProcess::forget(this);
}

int XtHelp::initialize(Widget parent, XtHelpNotify* notify, XtHelpError* error)
{
    if (!parent)
        return -1;
    parent_ = parent;
    if (!error && !own_error_)
        own_error_ = std::make_unique<XtHelpError>();
    error_ = error ? error : own_error_.get();
    notify_ = notify ? notify : XtDefaultHelpNotify::shared();
    ViewerProcess::watch(this, notify_);
    return HelpEnvironment::prepare();
}

int XtHelp::fail(const std::string& message)
{
    if (error_)
        error_->setMessage(message.c_str());
    return -1;
}

int XtHelp::setHelpFile(const char* name)
{
    help_file_set_ = name != nullptr;
    std::string found;
    have_help_file_ = name && find_in_path("HHPATH", name, kRegularReadable, found) >= 0;
    help_file_ = have_help_file_ ? found : (name ? name : "");
    return 0;
}

int XtHelp::showHelpOnTopic(int topic)
{
    if (!have_help_file_)
        return fail("Can't find help file " + (help_file_set_ ? help_file_ : std::string("(no file set)")));
    if (topic == -1)
        return sendEvent("-m search() " + help_file_ + "\n");
    if (topic == -2)
        return sendEvent("-m helpon()\n");
    return sendEvent("-c " + std::to_string(topic) + " " + help_file_ + "\n");
}

int XtHelp::showTableOfContents()
{
    if (!have_help_file_)
        return fail("Can't find help file");
    return sendEvent("-i " + help_file_ + "\n");
}

void XtHelp::terminate()
{
    if (pid_ >= 1 && parent_)
        sendEvent("-q " + std::to_string(HelpRecord::kClientKey) + "\n");
}

const char* XtHelp::getMessage() const { return error_ ? error_->getMessage() : nullptr; }

int XtHelp::sendEvent(const std::string& command)
{
    Display* dpy = XtDisplay(parent_);
    HelpRootProperty property(dpy);
    if (!property.valid())
        return fail("Can't talk to HyperHelp");
    HelpRecord record;
    if (!property.find(HelpRecord::kClientKey, record) || record.window == 0)
        return startViewer(command, true);
    // A running viewer searches its current file without being told it again.
    record.command = command.find("search()") != std::string::npos ? std::string("-m search()\n") : command;
    if (!ViewerChannel::deliver(dpy, property, record))
        return startViewer(command, false);  // the viewer's window is gone
    return 0;
}

int XtHelp::startViewer(const std::string& command, bool setup)
{
    const std::string program = HelpEnvironment::install_dir() + "/bin/hyperhelp";
    struct stat info {};
    if (stat(program.c_str(), &info) != 0)
        return fail("Can't find HyperHelp executable");
    if (setup) {
        HelpRootProperty property(XtDisplay(parent_));
        if (!property.valid())
            return fail("Can't talk to HyperHelp");
        property.append(HelpRecord(HelpRecord::kClientKey, 0, ""));
        XFlush(XtDisplay(parent_));
    }
    const long pid = ViewerProcess::start(program, DisplayString(XtDisplay(parent_)), command);
    if (pid < 0)
        return fail("Can't fork program " + program);
    pid_ = pid;
    notify_->processCreated(this, pid);
    return 0;
}
