#include "widgets/Outline.hpp"

#include <Xm/Outline.h>
#include <Xm/PushB.h>

#include "gui/Args.hpp"
#include "gui/XmStr.hpp"

Widget create_outline(Widget parent, const char* name, XtCallbackProc node_state_cb, XtPointer client_data)
{
    Args args;
    args.add(XmNautoClose, False);
    Widget outline = XtCreateManagedWidget(name, xmOutlineWidgetClass, parent, args.list(), args.count());
    XtAddCallback(outline, XmNnodeStateCallback, node_state_cb, client_data);
    return outline;
}

Widget create_outline_node(Widget outline, Widget parent_node, Widget insert_before, const char* name,
                           const char* label, int state, XtTranslations translations)
{
    XmStr text(label);
    Args args;
    // No shadow and no highlight frame: the nodes read as a list of names,
    // the selection shows as swapped colours.
    args.add(XmNlabelString, text.get())
        .add(XmNnodeState, state)
        .add(XmNparentNode, parent_node)
        .add(XmNinsertBefore, insert_before)
        .add(XmNshadowThickness, 0)
        .add(XmNhighlightThickness, 0);
    // Given at creation: set on a realized button they cost the outline a
    // round trip to the X server each.
    if (translations)
        args.add(XmNtranslations, translations);
    return XtCreateManagedWidget(name, xmPushButtonWidgetClass, outline, args.list(), args.count());
}

void set_outline_node_state(Widget node, int state) { XtVaSetValues(node, XmNnodeState, state, nullptr); }

void suspend_outline_layout(Widget outline) { XtVaSetValues(outline, XmNrefigureMode, False, nullptr); }

void resume_outline_layout(Widget outline) { XtVaSetValues(outline, XmNrefigureMode, True, nullptr); }
