// qv_bare_window: the start-up baseline of qv_startup_bench. The least a
// Motif tool of ours shows: an application shell with a form, a label, a text
// field and three buttons, on the same libXm as qv_tolvar. Closing it from
// the window manager ends it. With --locale first it runs in the user's
// locale, as a tool that reads and shows UTF-8 text must (the input method
// then loads that locale's compose table).
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include <Xm/Form.h>
#include <Xm/Label.h>
#include <Xm/Protocols.h>
#include <Xm/PushB.h>
#include <Xm/TextF.h>
#include <Xm/Xm.h>

namespace {

void quit(Widget, XtPointer, XtPointer) { std::exit(0); }

Widget attach_below(Widget above, const char* name, WidgetClass widget_class, Widget form)
{
    return XtVaCreateManagedWidget(name, widget_class, form, XmNtopAttachment, above ? XmATTACH_WIDGET : XmATTACH_FORM,
                                   XmNtopWidget, above, XmNleftAttachment, XmATTACH_FORM, XmNrightAttachment,
                                   XmATTACH_FORM, nullptr);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--locale") == 0) {
        XtSetLanguageProc(nullptr, nullptr, nullptr);
        argv[1] = argv[0];
        --argc;
        ++argv;
    }
    XtAppContext context = nullptr;
    Widget shell = XtVaOpenApplication(&context, "QvBareWindow", nullptr, 0, &argc, argv, nullptr,
                                       applicationShellWidgetClass, XmNtitle, "Bare Window", nullptr);
    Widget form = XtVaCreateManagedWidget("form", xmFormWidgetClass, shell, nullptr);
    Widget label = attach_below(nullptr, "Name", xmLabelWidgetClass, form);
    Widget field = attach_below(label, "field", xmTextFieldWidgetClass, form);
    Widget above = field;
    for (const char* name : {"OK", "Apply", "Cancel"})
        above = attach_below(above, name, xmPushButtonWidgetClass, form);

    Atom delete_window = XmInternAtom(XtDisplay(shell), const_cast<char*>("WM_DELETE_WINDOW"), False);
    XmAddWMProtocolCallback(shell, delete_window, quit, nullptr);
    XtRealizeWidget(shell);
    XtAppMainLoop(context);
}
