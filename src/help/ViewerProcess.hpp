// Starting the help viewer program and reaping it when it ends.
#pragma once

#include <string>

class XtHelp;
class XtHelpNotify;

class ViewerProcess {
public:
    // Forks and executes program with "-d 67890 -s 0 -display DISPLAY" and
    // the first three words of command. The child's pid, or -1 when the fork
    // failed; a child that cannot execute says so on stderr and ends.
    static long start(const std::string& program, const std::string& display_name, const std::string& command);

    // Reaps the viewers of the launchers watched here when a child ends, and
    // tells their notify objects.
    static void watch(XtHelp* help, XtHelpNotify* notify);
    static void forget(XtHelp* help);
};
