#include "ui/MemberList.hpp"

#include <Xm/List.h>

#include "gui/ListSelection.hpp"
#include "gui/WidgetMaker.hpp"
#include "gui/XmStr.hpp"

RWTValSlist<RWCString> MemberList::items() const
{
    return list_items(list_);
}

void MemberList::set_items(const RWTValSlist<RWCString>& items)
{
    set_list_items(list_, items);
}

int MemberList::count() const
{
    int count = 0;
    XtVaGetValues(list_, XmNitemCount, &count, nullptr);
    return count;
}

int MemberList::first_selected() const { return first_selected_position(list_); }

bool MemberList::move_selected_to(MemberList& target)
{
    const int position = first_selected();
    if (position == 0)
        return false;
    XmStr item(items().at(static_cast<std::size_t>(position - 1)));
    XmListAddItemUnselected(target.list_, item.get(), 0);
    XmListDeletePos(list_, position);
    return true;
}

bool MemberList::move_selected_up()
{
    const int position = first_selected();
    if (position == 0)
        return false;
    if (position > 1)
        swap_with_next(position - 1);
    return true;
}

bool MemberList::move_selected_down()
{
    const int position = first_selected();
    if (position == 0)
        return false;
    if (position < count())
        swap_with_next(position);
    return true;
}

// Replaces the items at position and position + 1 by the same two in the
// other order, keeping the moved item selected.
void MemberList::swap_with_next(int position)
{
    const RWTValSlist<RWCString> all = items();
    const int selected = first_selected();
    XmStr first(all.at(static_cast<std::size_t>(position)));
    XmStr second(all.at(static_cast<std::size_t>(position - 1)));
    XmString pair[2] = {first.get(), second.get()};
    XmListReplaceItemsPos(list_, pair, 2, position);
    XmListDeselectAllItems(list_);
    XmListSelectPos(list_, selected == position ? position + 1 : position, False);
}
