#include "help/XtHelpNotify.hpp"

void XtHelpNotify::processCreated(XtHelp*, long) {}

void XtHelpNotify::processExited(long) {}
