#include "help/HelpLauncher.hpp"

#include <cstdio>

#include "help/XtHelp.hpp"
#include "process/Catalogue.hpp"

XtHelp* help = nullptr;

namespace {

const char* message_of(XtHelp* launcher)
{
    const char* message = launcher->getMessage();
    return message ? message : "";
}

}  // namespace

void init_help(Widget root)
{
    static bool done = false;
    if (done)
        return;
    done = true;
    auto* launcher = new XtHelp;
    if (launcher->initialize(root) != 0) {
        std::fputs(cat_text(kToolSet, 811, "Help initialize failed\n"), stderr);
        delete launcher;
        return;
    }
    help = launcher;
}

void show_help_topic(XtHelp* launcher, int topic)
{
    if (!launcher)
        return;
    if (launcher->setHelpFile(kHelpFile) == -1) {
        std::fprintf(stderr, cat_text(kToolSet, 204, "setHelpFile failed: %s"), message_of(launcher));
        return;
    }
    if (launcher->showHelpOnTopic(topic) == -1)
        std::fprintf(stderr, cat_text(kToolSet, 205, "showHelpOnTopic failed: %s\n"), message_of(launcher));
}
