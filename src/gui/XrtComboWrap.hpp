// The pick list of one combo box (an XmComboBox): a list of owned texts,
// newest first, handed to the widget in one piece by set(). Changes reach
// the widget only through set().
#pragma once

#include <string>
#include <vector>

#include <X11/Intrinsic.h>

class XrtComboWrap {
public:
    XrtComboWrap() = default;
    explicit XrtComboWrap(Widget combo) : combo_(combo) {}
    XrtComboWrap& operator=(Widget combo)
    {
        combo_ = combo;
        return *this;
    }

    // A copy of text in front of the list.
    void add_item(const std::string& text);
    // Deletes the first item equal to text: 1 when there was one, else 0.
    int del_item(const std::string& text);
    // Empties the list.
    void wipe();
    // Gives the widget the list as its items.
    void set();

    const std::vector<std::string>& items() const { return items_; }
    Widget widget() const { return combo_; }

private:
    Widget combo_ = nullptr;
    std::vector<std::string> items_;
};
