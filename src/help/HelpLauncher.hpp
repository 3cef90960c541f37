// The tool's one help launcher and what every Help button does with it.
#pragma once

#include <X11/Intrinsic.h>

class XtHelp;

// Created by init_help; null before, or when it could not be initialised.
extern XtHelp* help;

// The help file every Help button shows topics of.
inline constexpr const char* kHelpFile = "qv_help.hlp";

// Once only: creates the launcher on root. On failure says "Help initialize
// failed" on stderr and the tool runs on without help.
void init_help(Widget root);

// setHelpFile(kHelpFile) and showHelpOnTopic(topic) on launcher; failures go
// to stderr ("setHelpFile failed: %s", "showHelpOnTopic failed: %s\n"), never
// to a dialog. A null launcher shows nothing.
void show_help_topic(XtHelp* launcher, int topic);
