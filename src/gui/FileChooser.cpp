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

// The box lays a list's title out at the list's width, and sets that width
// again at each layout: a list narrower than its title is widened once the
// box is laid out, so that the title is never cut.
void widen_to_title(Widget box, unsigned char list_child, unsigned char title_child)
{
    Widget list = XmFileSelectionBoxGetChild(box, list_child);
    XtWidgetGeometry title{};
    XtQueryGeometry(XmFileSelectionBoxGetChild(box, title_child), nullptr, &title);
    Dimension scrolled_width = 0, list_width = 0;
    XtVaGetValues(XtParent(list), XmNwidth, &scrolled_width, nullptr);
    XtVaGetValues(list, XmNwidth, &list_width, nullptr);
    if (scrolled_width < title.width)
        XtVaSetValues(list, XmNwidth, static_cast<Dimension>(list_width + title.width - scrolled_width), nullptr);
}

void widen_to_titles()
{
    widen_to_title(chooser.box, XmDIALOG_DIR_LIST, XmDIALOG_DIR_LIST_LABEL);
    widen_to_title(chooser.box, XmDIALOG_LIST, XmDIALOG_LIST_LABEL);
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
}

void fchooser_setup(int, FileChooserCallback callback)
{
    chooser.callback = callback;
    if (!chooser.box)
        return;
    g2_win_show(chooser.box);
    widen_to_titles();
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
    widen_to_titles();
}

void fchooser_unmanage()
{
    if (chooser.box)
        XtUnmanageChild(chooser.box);
}

Widget fchooser_getwidget() { return chooser.box; }
