// hyperhelp: the help viewer of the qv tools. Started by a help launcher with
//   hyperhelp -d KEY -s SCREEN -display NAME [COMMAND WORDS]
// it shows topics of help files (docs/help-format.md) and obeys the commands
// its launcher leaves in its record on the root window.
#include <cstdio>

#include <Xm/Xm.h>

#include "ClientLink.hpp"
#include "ViewerCommand.hpp"
#include "ViewerWindow.hpp"

namespace {

String fallback_resources[] = {
    const_cast<char*>("HyperHelp*renderTable: variable"),
    const_cast<char*>("HyperHelp*variable.fontName: Sans"),
    const_cast<char*>("HyperHelp*variable.fontSize: 10"),
    const_cast<char*>("HyperHelp*variable.fontType: FONT_IS_XFT"),
    const_cast<char*>("HyperHelp*title_label.renderTable: title"),
    const_cast<char*>("HyperHelp*title.fontName: Sans:bold"),
    const_cast<char*>("HyperHelp*title.fontSize: 14"),
    const_cast<char*>("HyperHelp*title.fontType: FONT_IS_XFT"),
    // Lines shown as they stand line up in columns only in a fixed-width face.
    const_cast<char*>("HyperHelp*topic_text.renderTable: mono"),
    const_cast<char*>("HyperHelp*mono.fontName: DejaVu Sans Mono"),
    const_cast<char*>("HyperHelp*mono.fontSize: 10"),
    const_cast<char*>("HyperHelp*mono.fontType: FONT_IS_XFT"),
    nullptr,
};

}  // namespace

int main(int argc, char** argv)
{
    const ViewerArgs args = ViewerArgs::parse(argc, argv);
    if (!args.error.empty()) {
        std::fprintf(stderr, "hyperhelp: %s\n", args.error.c_str());
        return 2;
    }
    XtSetLanguageProc(nullptr, nullptr, nullptr);
    XtToolkitInitialize();
    XtAppContext context = XtCreateApplicationContext();
    XtAppSetFallbackResources(context, fallback_resources);
    int xt_argc = 1;
    Display* display = XtOpenDisplay(context, args.display.empty() ? nullptr : args.display.c_str(), "hyperhelp",
                                     "HyperHelp", nullptr, 0, &xt_argc, argv);
    if (!display) {
        std::fprintf(stderr, "hyperhelp: can't open display %s\n", args.display.c_str());
        return 1;
    }

    ViewerWindow window(args.key);
    window.create(display, xt_argc, argv);
    XtRealizeWidget(window.shell());
    ClientLink link(args.key, [&window](const std::string& text) { window.execute(ViewerCommand::parse_text(text)); });
    link.attach(window.shell());

    const ViewerCommand first = ViewerCommand::parse(args.command);
    window.execute(first.kind == ViewerCommand::Nothing ? ViewerCommand::parse({"-m", "helpon()"}) : first);
    XtAppMainLoop(context);
    return 0;
}
