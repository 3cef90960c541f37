// The "Stored Data" page: one table per stored-data attribute of the
// object's type, in the type's order. Once the page has been filled it
// counts as changed for good: Apply writes the stored data every time.
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

    // A table named after the attribute in its legacy form.
    void add_user_data(const RWCString& attribute, const RWTValSlist<RWCString>& columns,
                       const RWTValSlist<RWCString>& cells, int groups, char set) override;
    // Removes every table, the last first.
    void clear_page() override;
    RWTValSlist<Table> tables() override;
    void set_changed() override { mark_changed(); }
    char changed() const override { return is_changed(); }

    const std::vector<std::unique_ptr<UserData>>& user_data() const { return tables_; }

private:
    Widget table_parent_;
    std::vector<std::unique_ptr<UserData>> tables_;
};

extern ObjectPage* object_page;
