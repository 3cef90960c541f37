#include "gui/SubsetList.hpp"

#include <Xm/Form.h>
#include <Xm/List.h>

#include "gui/Args.hpp"
#include "gui/ListSelection.hpp"
#include "gui/WidgetMaker.hpp"
#include "gui/XmStr.hpp"

void SubsetList::manage()
{
    Args()
        .add(XmNtopAttachment, XmATTACH_FORM)
        .add(XmNbottomAttachment, XmATTACH_FORM)
        .add(XmNleftAttachment, XmATTACH_FORM)
        .add(XmNrightAttachment, XmATTACH_FORM)
        .set_on(get_top_form());
    XtManageChild(get_top_form());
}

void SubsetList::set_left_list_title(const char* title) { set_label_text(left_label(), title); }

void SubsetList::set_right_list_title(const char* title) { set_label_text(right_label(), title); }

void SubsetList::set_list(const std::vector<std::string>& names, List list)
{
    clear(list);
    for (const std::string& name : names)
        add(name, list);
}

void SubsetList::get_list(std::vector<std::string>& names, List list) const
{
    for (std::string& name : list_items(list_widget(list)))
        names.push_back(std::move(name));
}

void SubsetList::clear(List list) { XmListDeleteAllItems(list_widget(list)); }

void SubsetList::add(const std::string& name, List list)
{
    XmStr item(name);
    if (!XmListItemExists(list_widget(list), item.get()))
        XmListAddItemUnselected(list_widget(list), item.get(), 0);
}

void SubsetList::add_cb(Widget, XtPointer)
{
    XmStringTable items = nullptr;
    int count = 0;
    XtVaGetValues(all_list(), XmNitems, &items, XmNitemCount, &count, nullptr);
    // In the order they are listed, read before the other list changes.
    std::vector<std::string> chosen;
    for (int position : selected_positions(all_list()))
        if (position >= 1 && position <= count)
            chosen.push_back(XmStr::to_string(items[position - 1]));
    for (const std::string& name : chosen)
        add(name, Right);
}

void SubsetList::remove_cb(Widget, XtPointer)
{
    const std::vector<int> positions = selected_positions(members_list());
    for (auto it = positions.rbegin(); it != positions.rend(); ++it)
        XmListDeletePos(members_list(), *it);
}

void SubsetList::select_all(Widget list)
{
    XmStringTable items = nullptr;
    int count = 0;
    XtVaGetValues(list, XmNitems, &items, XmNitemCount, &count, nullptr);
    XtVaSetValues(list, XmNselectedItems, items, XmNselectedItemCount, count, nullptr);
}

void SubsetList::right_select_all_cb(Widget, XtPointer) { select_all(members_list()); }

void SubsetList::left_select_all_cb(Widget, XtPointer) { select_all(all_list()); }

void SubsetList::right_deselect_all_cb(Widget, XtPointer) { XmListDeselectAllItems(members_list()); }

void SubsetList::left_deselect_all_cb(Widget, XtPointer) { XmListDeselectAllItems(all_list()); }
