// Base of the main window's property pages: the form the page is built on, a
// managed flag, and the changed flag the window's controls set and Apply
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

    char is_managed() const { return managed_; }
    void set_managed(char managed) { managed_ = managed; }

    char is_changed() const { return changed_; }
    void mark_changed() { changed_ = 1; }
    void clear_changed_flag() { changed_ = 0; }

private:
    Widget container_;
    char managed_ = 1;
    char changed_ = 0;
};
