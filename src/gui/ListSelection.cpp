#include "gui/ListSelection.hpp"

#include <algorithm>

#include <Xm/List.h>

#include "gui/XmStr.hpp"

std::vector<int> selected_positions(Widget list)
{
    int* positions = nullptr;
    int count = 0;
    std::vector<int> result;
    if (XmListGetSelectedPos(list, &positions, &count) && count > 0)
        result.assign(positions, positions + count);
    XtFree(reinterpret_cast<char*>(positions));
    std::sort(result.begin(), result.end());
    return result;
}

int first_selected_position(Widget list)
{
    const std::vector<int> positions = selected_positions(list);
    return positions.empty() ? 0 : positions.front();
}

std::vector<std::string> list_items(Widget list)
{
    XmStringTable items = nullptr;
    int count = 0;
    XtVaGetValues(list, XmNitems, &items, XmNitemCount, &count, nullptr);
    std::vector<std::string> texts;
    for (int i = 0; i < count; ++i)
        texts.push_back(XmStr::to_string(items[i]));
    return texts;
}
