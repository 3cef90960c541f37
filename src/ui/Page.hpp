// Base of the main window's property pages: the form the page is built on and
// the changed flag the window's controls set and Apply
// reads (and, for most pages, clears).
#pragma once

#include <X11/Intrinsic.h>

class Page {
public:
    explicit Page(Widget container) : container_(container) {}
    virtual ~Page() = default;
    Page(const Page&) = delete;
    Page& operator=(const Page&) = delete;

    Widget container() const { return container_; }

    char is_changed() const { return changed_; }
    void mark_changed() { changed_ = 1; }
    void clear_changed_flag() { changed_ = 0; }

private:
    Widget container_;
    char changed_ = 0;
};
