// The help viewer's window: a toolbar (Back, Contents, search, Close), the
// topic title, the list of all topics, the topic's text and its links.
#pragma once

#include <string>
#include <vector>

#include <X11/Intrinsic.h>

#include "HelpFile.hpp"
#include "TopicHistory.hpp"
#include "ViewerCommand.hpp"

class ViewerWindow {
public:
    explicit ViewerWindow(long key) : key_(key) {}

    // Builds the window (not yet realized) on display.
    void create(Display* display, int argc, char** argv);
    Widget shell() const { return shell_; }

    // Obeys a command and brings the window to the front.
    void execute(const ViewerCommand& command);

private:
    struct Page {
        std::string title;
        std::vector<HelpBlock> body;
        std::string links_label;
        std::vector<HelpLink> links;
    };

    void create_toolbar(Widget form);
    void create_panes(Widget form, Widget top);

    bool use_file(const std::string& file);
    void show_topic(int topic, bool remember);
    void show_contents();
    void show_help_on();
    void show_search_page();
    void run_search();
    void show_page(const Page& page);
    // The shown page's text, its paragraphs wrapped to the text's width.
    void render_body();
    void show_error(const std::string& message);
    void fill_topic_list();
    void raise();

    static void back_cb(Widget, XtPointer self, XtPointer);
    static void contents_cb(Widget, XtPointer self, XtPointer);
    static void search_cb(Widget, XtPointer self, XtPointer);
    static void close_cb(Widget, XtPointer self, XtPointer);
    static void topic_selected_cb(Widget, XtPointer self, XtPointer call);
    static void link_selected_cb(Widget, XtPointer self, XtPointer call);
    static void text_resized(Widget, XtPointer self, XEvent* event, Boolean*);

    long key_;
    HelpFile file_;
    TopicHistory history_;
    std::vector<HelpLink> links_;
    std::vector<HelpBlock> body_;
    Dimension wrapped_width_ = 0;

    Widget shell_ = nullptr;
    Widget back_button_ = nullptr;
    Widget search_text_ = nullptr;
    Widget title_label_ = nullptr;
    Widget topic_list_ = nullptr;
    Widget text_ = nullptr;
    Widget links_label_ = nullptr;
    Widget link_list_ = nullptr;
};
