#include "ui/DragDrop.hpp"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include <Xm/DragC.h>
#include <Xm/DragDrop.h>
#include <Xm/DragIcon.h>
#include <Xm/DropSMgr.h>
#include <Xm/DropTrans.h>
#include <Xm/List.h>
#include <Xm/Xm.h>

#include "gui/Args.hpp"
#include "gui/XtGlobals.hpp"
#include "process/InstallDir.hpp"
#include "ui/AgentConfigDialog.hpp"
#include "ui/Browser.hpp"
#include "ui/BrowserTree.hpp"
#include "ui/DisplayPage.hpp"
#include "ui/ObjectBrowser.hpp"
#include "ui/PageWidgets.hpp"
#include "ui/Windows.hpp"

namespace {

// The five kinds of drag, in the order a drop looks for them.
enum Kind { kMemberHide, kMemberShow, kBrowser, kArrayHide, kArrayShow, kKinds };
const char* const kTargetNames[kKinds] = {"MEMBER_HIDE_TYPE", "MEMBER_SHOW_TYPE", "BROWSER_TYPE", "ARRAY_HIDE_TYPE",
                                          "ARRAY_SHOW_TYPE"};

Atom target_atom(Display* display, int kind) { return XInternAtom(display, kTargetNames[kind], False); }

int kind_of(Display* display, Atom atom)
{
    for (int kind = 0; kind < kKinds; ++kind)
        if (target_atom(display, kind) == atom)
            return kind;
    return -1;
}

// The display page's four lists; null where the page has none (yet).
Widget page_list(int kind)
{
    if (!display_page)
        return nullptr;
    const bool monitor = kind == kMemberHide || kind == kMemberShow;
    const bool array = kind == kArrayHide || kind == kArrayShow;
    if ((monitor && !display_page->has_monitor()) || (array && !display_page->has_array()))
        return nullptr;
    switch (kind) {
    case kMemberHide:
        return display_page->monitor().columns().shown().widget();
    case kMemberShow:
        return display_page->monitor().columns().hidden().widget();
    case kArrayHide:
        return display_page->array().columns().shown().widget();
    case kArrayShow:
        return display_page->array().columns().hidden().widget();
    default:
        return nullptr;
    }
}

// The list a drag of that kind drops its item into.
Widget drop_list(int kind)
{
    switch (kind) {
    case kMemberHide:
        return page_list(kMemberShow);
    case kMemberShow:
        return page_list(kMemberHide);
    case kArrayHide:
        return page_list(kArrayShow);
    case kArrayShow:
        return page_list(kArrayHide);
    default:
        return nullptr;
    }
}

// What a drag started from widget is: the list's own kind, else a browser node.
int drag_kind(Widget widget)
{
    for (int kind : {kMemberHide, kMemberShow, kArrayHide, kArrayShow})
        if (widget && widget == page_list(kind))
            return kind;
    return kBrowser;
}

Widget drag_icon = nullptr;

// The value a drag carries: a list position, or the browser object.
struct DragValue {
    int kind = -1;
    int position = 0;
    Widget node = nullptr;
};
DragValue current_drag;

Boolean convert_proc(Widget drag_context, Atom* selection, Atom* target, Atom* type_return, XtPointer* value_return,
                     unsigned long* length_return, int* format_return, unsigned long*, XtPointer, XtRequestId*)
{
    Display* display = XtDisplayOfObject(drag_context);
    if (*selection != XInternAtom(display, "_MOTIF_DROP", False))
        return False;
    const int kind = kind_of(display, *target);
    if (kind < 0 || kind != current_drag.kind)
        return False;
    if (kind == kBrowser) {
        // Dropped within this process: the object itself travels, checked
        // again on arrival.
        Browser* object = find_object(current_drag.node);
        if (!object)
            return False;
        auto* value = reinterpret_cast<Browser**>(XtMalloc(sizeof(Browser*)));
        *value = object;
        *value_return = reinterpret_cast<XtPointer>(value);
        *length_return = sizeof(Browser*);
    } else {
        Widget source = page_list(kind);
        int count = 0;
        XtVaGetValues(source, XmNitemCount, &count, nullptr);
        if (current_drag.position < 1 || current_drag.position > count)
            return False;
        auto* value = reinterpret_cast<int*>(XtMalloc(sizeof(int)));
        *value = current_drag.position;
        *value_return = reinterpret_cast<XtPointer>(value);
        *length_return = sizeof(int);
    }
    *type_return = *target;
    *format_return = 8;
    return True;
}

void drop_finish_cb(Widget, XtPointer client_data, XtPointer)
{
    if (drag_icon) {
        XtDestroyWidget(drag_icon);
        drag_icon = nullptr;
    }
    if (static_cast<int>(reinterpret_cast<long>(client_data)) == kBrowser)
        deselect_all();
    current_drag = DragValue();
}

void start_drag(Widget widget, XEvent* event, String*, Cardinal*)
{
    const int kind = drag_kind(widget);
    current_drag = DragValue();
    current_drag.kind = kind;
    if (kind == kBrowser) {
        deselect_all();
        if (Browser* object = find_object(widget)) {
            select(object);
            current_selected = object;
        }
        current_drag.node = widget;
    } else {
        current_drag.position = XmListYToPos(widget, static_cast<Position>(event->xbutton.y));
    }

    const Pixmap pixmap = get_icon(widget, kind == kBrowser ? "object.pm" : "member.pm");
    Window root = 0;
    int x = 0, y = 0;
    unsigned int width = 0, height = 0, border = 0, depth = 0;
    if (pixmap != XmUNSPECIFIED_PIXMAP)
        XGetGeometry(XtDisplay(widget), pixmap, &root, &x, &y, &width, &height, &border, &depth);
    Args icon_args;
    icon_args.add(XmNpixmap, pixmap).add(XmNwidth, width).add(XmNheight, height).add(XmNdepth, 1);
    if (drag_icon)
        XtDestroyWidget(drag_icon);
    drag_icon = XmCreateDragIcon(widget, const_cast<char*>("drag_icon"), icon_args.list(), icon_args.count());

    static Atom export_target;
    export_target = target_atom(XtDisplay(widget), kind);
    Pixel foreground = 0, background = 0;
    XtVaGetValues(widget, XmNforeground, &foreground, XmNbackground, &background, nullptr);
    Args args;
    args.add(XmNexportTargets, &export_target)
        .add(XmNnumExportTargets, 1)
        .add(XmNdragOperations, XmDROP_COPY)
        .add(XmNcursorBackground, background)
        .add(XmNcursorForeground, foreground)
        .add(XmNsourcePixmapIcon, drag_icon)
        .add(XmNconvertProc, convert_proc)
        .add(XmNclientData, kind == kBrowser ? static_cast<XtPointer>(widget)
                                             : reinterpret_cast<XtPointer>(static_cast<long>(current_drag.position)));
    Widget context = XmDragStart(widget, event, args.list(), args.count());
    if (context)
        XtAddCallback(context, XmNdragDropFinishCallback, drop_finish_cb,
                      reinterpret_cast<XtPointer>(static_cast<long>(kind)));
}

// Moves the item at position of the list from to the end of the list to.
void move_item(Widget from, Widget to, int position)
{
    XmStringTable items = nullptr;
    int count = 0;
    XtVaGetValues(from, XmNitems, &items, XmNitemCount, &count, nullptr);
    if (position < 1 || position > count)
        return;
    XmString item = XmStringCopy(items[position - 1]);
    XmListAddItemUnselected(to, item, 0);
    XmListDeletePos(from, position);
    XmStringFree(item);
}

void transfer_data(Widget transfer, XtPointer, Atom*, Atom* type, XtPointer value, unsigned long* length, int*)
{
    const int kind = kind_of(XtDisplayOfObject(transfer), *type);
    if (kind == kBrowser) {
        Browser* object = nullptr;
        if (value && *length == sizeof(Browser*))
            std::memcpy(&object, value, sizeof object);
        const auto& list = Browser::object_list;
        if (object && std::find(list.begin(), list.end(), object) != list.end()) {
            current_selected = object;
            ObjectBrowser::add_selected();
        }
    } else if (kind >= 0 && value && *length == sizeof(int)) {
        int position = 0;
        std::memcpy(&position, value, sizeof position);
        int shown = 0;
        if (kind == kMemberShow)
            XtVaGetValues(drop_list(kMemberShow), XmNitemCount, &shown, nullptr);
        const long most = display_page->get_max_visible();
        if (kind == kMemberShow && shown >= most)
            page_error(page_text(201, "Can only show %d", static_cast<int>(most)));
        else
            move_item(page_list(kind), drop_list(kind), position);
        display_page->mark_changed();
    }
    if (value)
        XtFree(static_cast<char*>(value));
}

void handle_drop(Widget site, XtPointer, XtPointer call_data)
{
    auto* drop = static_cast<XmDropProcCallbackStruct*>(call_data);
    Display* display = XtDisplay(site);
    Atom* exports = nullptr;
    Cardinal count = 0;
    XtVaGetValues(drop->dragContext, XmNexportTargets, &exports, XmNnumExportTargets, &count, nullptr);
    // Only what the site imports: a member dropped on an array list is
    // refused like any foreign data.
    int found = -1;
    for (int kind = 0; kind < kKinds && found < 0 && drop->dropSiteStatus == XmVALID_DROP_SITE; ++kind)
        for (Cardinal i = 0; i < count; ++i)
            if (exports[i] == target_atom(display, kind))
                found = kind;
    Args args;
    if (found >= 0 && drop->dropAction == XmDROP && drop->operation == XmDROP_COPY) {
        static XmDropTransferEntryRec entry;
        entry.client_data = static_cast<XtPointer>(site);
        entry.target = target_atom(display, found);
        args.add(XmNdropTransfers, &entry).add(XmNnumDropTransfers, 1).add(XmNtransferProc, transfer_data);
    } else {
        if (found >= 0) {
            std::printf("Can't transfer data\n");
            std::fflush(stdout);
        }
        args.add(XmNtransferStatus, XmTRANSFER_FAILURE).add(XmNnumDropTransfers, 0);
    }
    XmDropTransferStart(drop->dragContext, args.list(), args.count());
}

void register_drop_site(Widget widget, int kind)
{
    if (!widget)
        return;
    static Atom import_target[kKinds];
    import_target[kind] = target_atom(XtDisplay(widget), kind);
    Args args;
    args.add(XmNimportTargets, &import_target[kind])
        .add(XmNnumImportTargets, 1)
        .add(XmNdropSiteOperations, XmDROP_COPY)
        .add(XmNdropProc, handle_drop);
    XmDropSiteRegister(widget, args.list(), args.count());
}

XtActionsRec drag_actions[] = {{const_cast<String>("start_drag"), start_drag}};

void add_drag_action(Widget widget)
{
    static bool added = false;
    if (!added) {
        XtAppAddActions(XtWidgetToApplicationContext(widget), drag_actions, XtNumber(drag_actions));
        added = true;
    }
    static XtTranslations translations = XtParseTranslationTable("<Btn2Down>: start_drag()");
    XtOverrideTranslations(widget, translations);
}

}  // namespace

void init_section_drag(Widget shown, Widget hidden, bool array)
{
    add_drag_action(shown);
    add_drag_action(hidden);
    // Each list takes what is dragged out of the other.
    register_drop_site(hidden, array ? kArrayHide : kMemberHide);
    register_drop_site(shown, array ? kArrayShow : kMemberShow);
}

namespace {
// Every node is a push button: the table merged for the first serves them
// all, so a node opened on thousands of children merges once.
XtTranslations browser_node_translations = nullptr;
}  // namespace

void init_browser_drag_actions(Widget node)
{
    add_drag_action(node);
    XtVaGetValues(node, XmNtranslations, &browser_node_translations, nullptr);
}

XtTranslations browser_drag_translations() { return browser_node_translations; }


void register_config_drop_site(Widget field)
{
    // A text field takes dropped text of its own: a browser node replaces that.
    XmDropSiteUnregister(field);
    register_drop_site(field, kBrowser);
}

Pixmap get_icon(Widget widget, const char* file)
{
    const std::string path = qv_home() + "/glyphs/" + file;
    return XmGetPixmapByDepth(XtScreen(widget), const_cast<char*>(path.c_str()), 1, 0, 1);
}
