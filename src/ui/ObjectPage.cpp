#include "ui/ObjectPage.hpp"

#include "agents/LegacyName.hpp"
#include "ui/DelObjectDesc.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/Windows.hpp"

ObjectPage* object_page = nullptr;

ObjectPage::ObjectPage(ObjectConfig* window)
    : Page(window->book().object_desc_form()), table_parent_(window->book().user_data_row_col())
{
}

ObjectPage::~ObjectPage() { clear_page(); }

void ObjectPage::add_user_data(const RWCString& attribute, const RWTValSlist<RWCString>& columns,
                               const RWTValSlist<RWCString>& cells, int groups, char set)
{
    const char* legacy = cvt_qvname2xnl(attribute.c_str());
    const RWCString title = legacy ? RWCString(legacy) : attribute;
    auto table = std::make_unique<UserData>(*this);
    table->create(table_parent_, title.c_str());
    table->create_data(columns, cells, groups, set);
    tables_.push_back(std::move(table));
    if (XtIsRealized(XtParent(table_parent_)))
        XtRealizeWidget(table_parent_);
}

void ObjectPage::clear_page()
{
    while (!tables_.empty()) {
        UserData* table = tables_.back().get();
        // The delete dialog must not outlive the table it deletes from.
        if (current_user_data == table) {
            current_user_data = nullptr;
            if (del_obj_desc_dialog_built())
                del_obj_desc_dialog()->xd_hide();
        }
        table->clear_data();
        table->delete_widget();
        tables_.pop_back();
    }
}

RWTValSlist<StoredDataView::Table> ObjectPage::tables()
{
    RWTValSlist<Table> out;
    for (const auto& table : tables_)
        out.push_back(Table{table->name(), table->get_userdata()});
    return out;
}
