#include "gui/XrtComboWrap.hpp"

#include <algorithm>
#include <deque>

#include <Xm/ComboBox.h>

#include "gui/XmStr.hpp"

void XrtComboWrap::add_item(const std::string& text) { items_.insert(items_.begin(), text); }

int XrtComboWrap::del_item(const std::string& text)
{
    const auto it = std::find(items_.begin(), items_.end(), text);
    if (it == items_.end())
        return 0;
    items_.erase(it);
    return 1;
}

void XrtComboWrap::wipe() { items_.clear(); }

void XrtComboWrap::set()
{
    if (!combo_)
        return;
    std::deque<XmStr> strings;  // owned while the combo copies them
    std::vector<XmString> table;
    for (const std::string& item : items_) {
        strings.emplace_back(item);
        table.push_back(strings.back().get());
    }
    // The text field keeps what it shows.
    XtVaSetValues(combo_, XmNitems, table.empty() ? nullptr : table.data(), XmNitemCount,
                  static_cast<int>(table.size()), nullptr);
}
