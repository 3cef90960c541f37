// The "Stored Data" page: one table per stored-data attribute of the
// object's type, in the type's order. Once the page has been filled it
// counts as changed for good: Apply writes the stored data every time.
// The tables' widgets are built when the page is first looked at (its tab
// selected) or read, not while it lies hidden behind another tab.
#pragma once

#include <memory>
#include <vector>

#include <X11/Intrinsic.h>

#include "model/Views.hpp"
#include "ui/Page.hpp"
#include "ui/UserData.hpp"

class ObjectConfig;

class ObjectPage : public Page, public StoredDataView {
public:
    // The page lives on "object_desc_form"; tables go into "user_data_row_col".
    explicit ObjectPage(ObjectConfig* window);
    ~ObjectPage() override;

    // A table named after the attribute in its legacy form; built at once
    // while the page is the selected tab, else when it is next looked at.
    void add_user_data(const RWCString& attribute, const RWTValSlist<RWCString>& columns,
                       const RWTValSlist<RWCString>& cells, int groups, char set) override;
    // Removes every table, the last first.
    void clear_page() override;
    // Builds the pending tables first: Apply reads what the widgets hold.
    RWTValSlist<Table> tables() override;
    void set_changed() override { mark_changed(); }
    char changed() const override { return is_changed(); }

    // The tables, built.
    const std::vector<std::unique_ptr<UserData>>& user_data();

    // The book's tab selection: the page's pending tables are built when it
    // becomes the selected tab.
    virtual void tab_selected_cb(Widget, XtPointer call_data);

private:
    struct PendingTable {
        RWCString title;
        RWTValSlist<RWCString> columns;
        RWTValSlist<RWCString> cells;
        int groups;
        char set;
    };

    void build_pending();

    Widget table_parent_;
    bool selected_ = false;
    std::vector<PendingTable> pending_;
    std::vector<std::unique_ptr<UserData>> tables_;
};

extern ObjectPage* object_page;
