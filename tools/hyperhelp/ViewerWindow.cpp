#include "ViewerWindow.hpp"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <Xm/Form.h>
#include <Xm/Label.h>
#include <Xm/List.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>
#include <Xm/Text.h>
#include <Xm/TextF.h>

#include "gui/CloseHandler.hpp"
#include "gui/TextWrap.hpp"
#include "gui/WidgetMaker.hpp"
#include "gui/XmStr.hpp"

namespace {

const std::vector<HelpBlock> kHelpOnText = {
    {false, "This window shows the help of the object properties tool."},
    {false, "Pick a topic in the list on the left, or follow a link under \"See also\". "
            "Back returns to the topic shown before; Contents shows every topic of the help file."},
    {false, "To search, type one or more words into the field next to Search and press Return or Search: "
            "the topics that contain all the words are listed under \"Matches\"."},
};

// The topic list is as wide as its longest title, within these bounds; a
// longer title scrolls.
constexpr Dimension kMinListWidth = 160;
constexpr Dimension kMaxListWidth = 320;

std::vector<HelpBlock> paragraph(const std::string& text) { return {HelpBlock{false, text}}; }

int text_width(XmRenderTable fonts, const std::string& text)
{
    XmStr drawn(text);
    return static_cast<int>(XmStringWidth(fonts, drawn.get()));
}

XmRenderTable render_table_of(Widget widget)
{
    XmRenderTable fonts = nullptr;
    XtVaGetValues(widget, XmNrenderTable, &fonts, nullptr);
    return fonts;
}

Widget make_button(Widget parent, const char* name, const char* label, XtCallbackProc callback, XtPointer data)
{
    Widget button = make_button(parent, name, label);
    XtAddCallback(button, XmNactivateCallback, callback, data);
    return button;
}

}  // namespace

void ViewerWindow::create(Display* display, int argc, char** argv)
{
    shell_ = XtVaAppCreateShell("hyperhelp", "HyperHelp", applicationShellWidgetClass, display, XmNargc, argc,
                                XmNargv, argv, XmNwidth, 860, XmNheight, 560, XmNtitle, "Help", nullptr);
    close_callback(shell_, close_cb, this);

    Widget form = XtVaCreateManagedWidget("viewer_form", xmFormWidgetClass, shell_, XmNmarginWidth, 6,
                                          XmNmarginHeight, 6, nullptr);
    create_toolbar(form);
}

void ViewerWindow::create_toolbar(Widget form)
{
    Widget bar = XtVaCreateManagedWidget("toolbar", xmRowColumnWidgetClass, form, XmNorientation, XmHORIZONTAL,
                                         XmNtopAttachment, XmATTACH_FORM, XmNleftAttachment, XmATTACH_FORM,
                                         XmNrightAttachment, XmATTACH_FORM, nullptr);
    back_button_ = make_button(bar, "back_button", "Back", back_cb, this);
    XtSetSensitive(back_button_, False);
    make_button(bar, "contents_button", "Contents", contents_cb, this);
    search_text_ = XtVaCreateManagedWidget("search_text", xmTextFieldWidgetClass, bar, XmNcolumns, 24, nullptr);
    XtAddCallback(search_text_, XmNactivateCallback, search_cb, this);
    make_button(bar, "search_button", "Search", search_cb, this);
    make_button(bar, "close_button", "Close", close_cb, this);
    create_panes(form, bar);
}

void ViewerWindow::create_panes(Widget form, Widget top)
{
    title_label_ = XtVaCreateManagedWidget("title_label", xmLabelWidgetClass, form, XmNalignment,
                                           XmALIGNMENT_BEGINNING, XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget,
                                           top, XmNtopOffset, 6, XmNleftAttachment, XmATTACH_FORM,
                                           XmNrightAttachment, XmATTACH_FORM, nullptr);
    // A width of its own (fill_topic_list sets it): long titles scroll
    // rather than push the text off the window.
    Arg list_args[2];
    XtSetArg(list_args[0], XmNlistSizePolicy, XmCONSTANT);
    XtSetArg(list_args[1], XmNwidth, kMinListWidth);
    topic_list_ = XmCreateScrolledList(form, const_cast<char*>("topic_list"), list_args, 2);
    XtVaSetValues(topic_list_, XmNselectionPolicy, XmBROWSE_SELECT, XmNvisibleItemCount, 20, nullptr);
    XtVaSetValues(XtParent(topic_list_), XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, title_label_,
                  XmNtopOffset, 6, XmNleftAttachment, XmATTACH_FORM, XmNbottomAttachment, XmATTACH_FORM, nullptr);
    XtManageChild(topic_list_);
    XtAddCallback(topic_list_, XmNbrowseSelectionCallback, topic_selected_cb, this);

    link_list_ = XmCreateScrolledList(form, const_cast<char*>("link_list"), list_args, 1);
    XtVaSetValues(link_list_, XmNselectionPolicy, XmBROWSE_SELECT, XmNvisibleItemCount, 4, nullptr);
    XtVaSetValues(XtParent(link_list_), XmNleftAttachment, XmATTACH_WIDGET, XmNleftWidget, XtParent(topic_list_),
                  XmNleftOffset, 6, XmNrightAttachment, XmATTACH_FORM, XmNbottomAttachment, XmATTACH_FORM,
                  nullptr);
    XtManageChild(link_list_);
    XtAddCallback(link_list_, XmNbrowseSelectionCallback, link_selected_cb, this);
    links_label_ = XtVaCreateManagedWidget("links_label", xmLabelWidgetClass, form, XmNalignment,
                                           XmALIGNMENT_BEGINNING, XmNleftAttachment, XmATTACH_WIDGET, XmNleftWidget,
                                           XtParent(topic_list_), XmNleftOffset, 6, XmNbottomAttachment,
                                           XmATTACH_WIDGET, XmNbottomWidget, XtParent(link_list_), nullptr);

    // The viewer wraps paragraphs itself (render_body): lines shown as they
    // stand must not be wrapped, and scroll when they are wider than the text.
    Arg args[4];
    XtSetArg(args[0], XmNeditMode, XmMULTI_LINE_EDIT);
    XtSetArg(args[1], XmNeditable, False);
    XtSetArg(args[2], XmNwordWrap, False);
    XtSetArg(args[3], XmNscrollHorizontal, True);
    text_ = XmCreateScrolledText(form, const_cast<char*>("topic_text"), args, 4);
    XtAddEventHandler(text_, StructureNotifyMask, False, text_resized, this);
    XtVaSetValues(XtParent(text_), XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, title_label_, XmNtopOffset, 6,
                  XmNleftAttachment, XmATTACH_WIDGET, XmNleftWidget, XtParent(topic_list_), XmNleftOffset, 6,
                  XmNrightAttachment, XmATTACH_FORM, XmNbottomAttachment, XmATTACH_WIDGET, XmNbottomWidget,
                  links_label_, XmNbottomOffset, 6, nullptr);
    XtManageChild(text_);
}

void ViewerWindow::execute(const ViewerCommand& command)
{
    switch (command.kind) {
    case ViewerCommand::ShowTopic:
        if (use_file(command.file))
            show_topic(command.topic, true);
        break;
    case ViewerCommand::Contents:
        if (use_file(command.file))
            show_contents();
        break;
    case ViewerCommand::HelpOn:
        show_help_on();
        break;
    case ViewerCommand::Search:
        if (command.file.empty() || use_file(command.file))
            show_search_page();
        break;
    case ViewerCommand::Quit:
        if (command.key == key_)
            std::exit(0);
        return;
    case ViewerCommand::Invalid:
        std::fprintf(stderr, "hyperhelp: %s\n", command.error.c_str());
        return;
    case ViewerCommand::Nothing:
        return;
    }
    raise();
}

bool ViewerWindow::use_file(const std::string& file)
{
    if (file == file_.path() && !file_.topics().empty())
        return true;
    HelpFile candidate;  // a file that fails to load leaves the current one shown
    if (!candidate.load(file)) {
        show_error(candidate.error());
        return false;
    }
    file_ = std::move(candidate);
    fill_topic_list();
    return true;
}

void ViewerWindow::fill_topic_list()
{
    std::vector<std::string> titles;
    int widest = 0;
    XmRenderTable fonts = render_table_of(topic_list_);
    for (const HelpTopic& topic : file_.topics()) {
        titles.push_back(topic.title);
        if (fonts)
            widest = std::max(widest, text_width(fonts, topic.title));
    }
    set_list_items(topic_list_, titles);
    Dimension margin_width = 0, highlight = 0, shadow = 0;
    XtVaGetValues(topic_list_, XmNlistMarginWidth, &margin_width, XmNhighlightThickness, &highlight,
                  XmNshadowThickness, &shadow, nullptr);
    const int wanted = widest + 2 * (margin_width + highlight + shadow) + 4;
    XtVaSetValues(topic_list_, XmNwidth,
                  static_cast<Dimension>(std::clamp(wanted, int{kMinListWidth}, int{kMaxListWidth})), nullptr);
}

void ViewerWindow::show_topic(int number, bool remember)
{
    const HelpTopic* topic = file_.find(number);
    if (!topic) {
        show_error("There is no topic " + std::to_string(number) + " in " + file_.path() + ".");
        return;
    }
    show_page(Page{topic->title, topic->blocks, topic->links.empty() ? "" : "See also:", topic->links});
    const int position = static_cast<int>(topic - file_.topics().data()) + 1;
    XmListSelectPos(topic_list_, position, False);
    XmListSetBottomPos(topic_list_, position);
    if (remember)
        history_.visit(TopicHistory::Entry{file_.path(), number});
    XtSetSensitive(back_button_, history_.can_go_back() ? True : False);
}

void ViewerWindow::show_contents()
{
    Page page{"Contents", {}, "Topics:", {}};
    for (const HelpTopic& topic : file_.topics()) {
        page.body.push_back(HelpBlock{true, topic.title});
        page.links.push_back(HelpLink{topic.number, topic.title});
    }
    show_page(page);
}

void ViewerWindow::show_help_on() { show_page(Page{"Using Help", kHelpOnText, "", {}}); }

void ViewerWindow::show_search_page()
{
    show_page(Page{"Search", paragraph("Type one or more words into the search field and press Return."), "", {}});
    XmProcessTraversal(search_text_, XmTRAVERSE_CURRENT);
}

void ViewerWindow::run_search()
{
    char* text = XmTextFieldGetString(search_text_);
    const std::string query = text ? text : "";
    XtFree(text);
    Page page{"Search: " + query, {}, "Matches:", {}};
    for (const HelpTopic* topic : file_.search(query))
        page.links.push_back(HelpLink{topic->number, topic->title});
    page.body = paragraph(page.links.empty()
                              ? "No topic contains \"" + query + "\"."
                              : std::to_string(page.links.size()) + " topic(s) contain \"" + query + "\".");
    show_page(page);
}

void ViewerWindow::show_page(const Page& page)
{
    set_label_text(title_label_, page.title.c_str());
    XtVaSetValues(shell_, XmNtitle, ("Help: " + page.title).c_str(), nullptr);
    body_ = page.body;
    render_body();
    set_label_text(links_label_, page.links_label.c_str());
    links_ = page.links;
    std::vector<std::string> texts;
    for (const HelpLink& link : links_)
        texts.push_back(link.text);
    set_list_items(link_list_, texts);
}

void ViewerWindow::render_body()
{
    Dimension width = 0, margin = 0, shadow = 0, highlight = 0;
    XtVaGetValues(text_, XmNwidth, &width, XmNmarginWidth, &margin, XmNshadowThickness, &shadow,
                  XmNhighlightThickness, &highlight, nullptr);
    wrapped_width_ = width;
    // Room for the insertion cursor at the end of the widest line.
    const int room = static_cast<int>(width) - 2 * (margin + shadow + highlight) - 8;
    XmRenderTable fonts = render_table_of(text_);
    ParagraphShaper shape;
    if (fonts && room > 0)
        shape = [fonts, room](const std::string& text) {
            return join_lines(
                wrap_lines(text, room, [fonts](const std::string& line) { return text_width(fonts, line); }));
        };
    const std::string text = blocks_text(body_, shape);
    XmTextSetString(text_, const_cast<char*>(text.c_str()));
    XmTextShowPosition(text_, 0);
}

// A new width wraps the paragraphs again.
void ViewerWindow::text_resized(Widget, XtPointer self, XEvent* event, Boolean*)
{
    auto* window = static_cast<ViewerWindow*>(self);
    if (event->type == ConfigureNotify && event->xconfigure.width != window->wrapped_width_)
        window->render_body();
}

void ViewerWindow::show_error(const std::string& message) { show_page(Page{"Help", paragraph(message), "", {}}); }

void ViewerWindow::raise()
{
    if (XtIsRealized(shell_))
        XMapRaised(XtDisplay(shell_), XtWindow(shell_));
}

void ViewerWindow::back_cb(Widget, XtPointer self, XtPointer)
{
    auto* window = static_cast<ViewerWindow*>(self);
    TopicHistory::Entry previous;
    if (window->history_.back(previous) && window->use_file(previous.file))
        window->show_topic(previous.topic, false);
}

void ViewerWindow::contents_cb(Widget, XtPointer self, XtPointer) { static_cast<ViewerWindow*>(self)->show_contents(); }

void ViewerWindow::search_cb(Widget, XtPointer self, XtPointer) { static_cast<ViewerWindow*>(self)->run_search(); }

void ViewerWindow::close_cb(Widget, XtPointer, XtPointer) { std::exit(0); }

void ViewerWindow::topic_selected_cb(Widget, XtPointer self, XtPointer call)
{
    auto* window = static_cast<ViewerWindow*>(self);
    const int position = static_cast<XmListCallbackStruct*>(call)->item_position;
    const auto& topics = window->file_.topics();
    if (position >= 1 && position <= static_cast<int>(topics.size()))
        window->show_topic(topics[static_cast<std::size_t>(position - 1)].number, true);
}

void ViewerWindow::link_selected_cb(Widget, XtPointer self, XtPointer call)
{
    auto* window = static_cast<ViewerWindow*>(self);
    const int position = static_cast<XmListCallbackStruct*>(call)->item_position;
    if (position >= 1 && position <= static_cast<int>(window->links_.size()))
        window->show_topic(window->links_[static_cast<std::size_t>(position - 1)].topic, true);
}
