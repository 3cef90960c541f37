#include "gui/FileChooser.hpp"

#include <string>

#include <Xm/DialogS.h>
#include <Xm/FileSB.h>
#include <Xm/Text.h>

#include "gui/Args.hpp"
#include "gui/CloseHandler.hpp"
#include "gui/WindowShow.hpp"
#include "gui/XmStr.hpp"

int first_fchooser = 1;

namespace {

struct ChooserState {
    Widget box = nullptr;
    FileChooserCallback callback = nullptr;
    bool fit_pending = false;
};

ChooserState chooser;

// In every mode the caller gets the selected name and decides what to do
// with it (the tool only asks for names), so the mode is not kept.
void ok_cb(Widget, XtPointer, XtPointer)
{
    if (!chooser.callback)
        return;
    char* text = XmTextGetString(XmFileSelectionBoxGetChild(chooser.box, XmDIALOG_TEXT));
    chooser.callback(text);
    XtFree(text);
}

void cancel_cb(Widget, XtPointer, XtPointer) { fchooser_unmanage(); }

void set_label(Widget box, const char* resource, const std::string& label)
{
    XmStr text(label);
    Args().add(resource, text.get()).set_on(box);
}

// The box lays the directory list's title out at the list's width, and that
// width follows the directories shown (full paths) at every search, the
// user's own included. The box gives any extra width to the directory list,
// and only a width set on its shell survives the box's next layout: so a
// list narrower than its title widens the shell by the difference.
void fit_dir_title(XtPointer, XtIntervalId*)
{
    chooser.fit_pending = false;
    Widget shell = XtParent(chooser.box);
    Widget title = XmFileSelectionBoxGetChild(chooser.box, XmDIALOG_DIR_LIST_LABEL);
    XtWidgetGeometry wanted{};
    XtQueryGeometry(title, nullptr, &wanted);
    Dimension shown = 0, shell_width = 0;
    XtVaGetValues(title, XmNwidth, &shown, nullptr);
    XtVaGetValues(shell, XmNwidth, &shell_width, nullptr);
    if (shown < wanted.width)
        XtVaSetValues(shell, XmNwidth, static_cast<Dimension>(shell_width + wanted.width - shown), nullptr);
}

// The fit waits until the layout under way is over.
void schedule_fit()
{
    if (chooser.fit_pending)
        return;
    chooser.fit_pending = true;
    XtAppAddTimeOut(XtWidgetToApplicationContext(chooser.box), 0, fit_dir_title, nullptr);
}

// The title is a gadget: the list's scrolled window, resized with it, says
// when the layout changed.
void list_resized(Widget, XtPointer, XEvent* event, Boolean*)
{
    if (event->type == ConfigureNotify)
        schedule_fit();
}

}  // namespace

void create_file_chooser_shell(Widget parent, const FileChooserTexts& texts)
{
    Args shell_args;
    shell_args.add(XmNtitle, texts.title.c_str()).add(XmNallowShellResize, True);
    Widget shell = XmCreateDialogShell(parent, const_cast<char*>("file_chooser_shell"), shell_args.list(),
                                       shell_args.count());
    chooser.box = XmCreateFileSelectionBox(shell, const_cast<char*>("file_chooser"), nullptr, 0);
    close_as_cancel(shell, chooser.box);
    set_label(chooser.box, XmNfilterLabelString, texts.filter);
    set_label(chooser.box, XmNdirListLabelString, texts.directories);
    set_label(chooser.box, XmNfileListLabelString, texts.files);
    set_label(chooser.box, XmNselectionLabelString, texts.selection);
    set_label(chooser.box, XmNokLabelString, texts.ok);
    set_label(chooser.box, XmNapplyLabelString, texts.filter);
    set_label(chooser.box, XmNcancelLabelString, texts.cancel);
    set_label(chooser.box, XmNhelpLabelString, texts.help);
    XtAddCallback(chooser.box, XmNokCallback, ok_cb, nullptr);
    XtAddCallback(chooser.box, XmNcancelCallback, cancel_cb, nullptr);
    XtAddEventHandler(XtParent(XmFileSelectionBoxGetChild(chooser.box, XmDIALOG_DIR_LIST)), StructureNotifyMask,
                      False, list_resized, nullptr);
}

void fchooser_setup(int, FileChooserCallback callback)
{
    chooser.callback = callback;
    if (!chooser.box)
        return;
    g2_win_show(chooser.box);
    schedule_fit();
}

void fchooser_default_file(const char* directory, const char* file)
{
    if (!chooser.box || !directory || !*directory)
        return;
    const std::string pattern = std::string(directory) + "/*";
    XmTextSetString(XmFileSelectionBoxGetChild(chooser.box, XmDIALOG_FILTER_TEXT),
                    const_cast<char*>(pattern.c_str()));
    XmStr mask(pattern);
    XmFileSelectionDoSearch(chooser.box, mask.get());
    if (file && *file) {
        const std::string selection = std::string(directory) + "/" + file;
        XmTextSetString(XmFileSelectionBoxGetChild(chooser.box, XmDIALOG_TEXT), const_cast<char*>(selection.c_str()));
    }
}

void fchooser_unmanage()
{
    if (chooser.box)
        XtUnmanageChild(chooser.box);
}

Widget fchooser_getwidget() { return chooser.box; }
