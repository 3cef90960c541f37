// The menu of topology types under the type button: one push button per type,
// named and labelled after the type, grouped by kind (views, devices, monitors,
// arrays, links, buses, containers, then any other). Activating a button calls
// the given callback with the type's name (a NUL-terminated string that lives
// as long as the menu) as client data.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <X11/Intrinsic.h>

#include "platform/Types.hpp"

class TopoTypeMenu {
public:
    TopoTypeMenu(Widget pulldown, XtCallbackProc callback, const RWTValSlist<RWCString>& type_names);
    // Destroys the buttons it made: their client data dies with the menu.
    ~TopoTypeMenu();
    TopoTypeMenu(const TopoTypeMenu&) = delete;
    TopoTypeMenu& operator=(const TopoTypeMenu&) = delete;

    const std::vector<Widget>& buttons() const { return buttons_; }

    // The type names in menu order: grouped by kind, in the given order
    // within a kind. kind_rank gives a type's group (lower comes first).
    template <class Rank>
    static RWTValSlist<RWCString> arrange(const RWTValSlist<RWCString>& names, Rank kind_rank);

private:
    std::vector<std::unique_ptr<std::string>> names_;
    std::vector<Widget> buttons_;
};

template <class Rank>
RWTValSlist<RWCString> TopoTypeMenu::arrange(const RWTValSlist<RWCString>& names, Rank kind_rank)
{
    RWTValSlist<RWCString> ordered;
    int last_rank = 0;
    for (const RWCString& name : names)
        last_rank = std::max(last_rank, kind_rank(name));
    for (int rank = 0; rank <= last_rank; ++rank)
        for (const RWCString& name : names)
            if (kind_rank(name) == rank)
                ordered.push_back(name);
    return ordered;
}
