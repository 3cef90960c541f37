#include "ui/ObjectPage.hpp"

#include <Xm/TabStack.h>

#include "agents/LegacyName.hpp"
#include "gui/MemberCallback.hpp"
#include "ui/DelObjectDesc.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/Windows.hpp"

ObjectPage* object_page = nullptr;

ObjectPage::ObjectPage(ObjectConfig* window)
    : Page(window->book().object_desc_form()), table_parent_(window->book().user_data_row_col())
{
    add_member_callback<ObjectPage, &ObjectPage::tab_selected_cb>(window->book().tab_mgr(), XmNtabSelectedCallback,
                                                                  this);
}

void ObjectPage::tab_selected_cb(Widget, XtPointer call_data)
{
    const Widget tab = static_cast<XmTabStackCallbackStruct*>(call_data)->selected_child;
    selected_ = false;
    for (Widget w = container(); w && !selected_; w = XtParent(w))
        selected_ = w == tab;
    if (selected_)
        build_pending();
}

ObjectPage::~ObjectPage() { clear_page(); }

void ObjectPage::add_user_data(const RWCString& attribute, const RWTValSlist<RWCString>& columns,
                               const RWTValSlist<RWCString>& cells, int groups, char set)
{
    const char* legacy = cvt_qvname2xnl(attribute.c_str());
    pending_.push_back({legacy ? RWCString(legacy) : attribute, columns, cells, groups, set});
    if (selected_)
        build_pending();
}

void ObjectPage::build_pending()
{
    if (pending_.empty())
        return;
    for (const PendingTable& spec : pending_) {
        auto table = std::make_unique<UserData>(*this);
        table->create(table_parent_, spec.title.c_str());
        table->create_data(spec.columns, spec.cells, spec.groups, spec.set);
        tables_.push_back(std::move(table));
    }
    pending_.clear();
    if (XtIsRealized(XtParent(table_parent_)))
        XtRealizeWidget(table_parent_);
}

const std::vector<std::unique_ptr<UserData>>& ObjectPage::user_data()
{
    build_pending();
    return tables_;
}

void ObjectPage::clear_page()
{
    pending_.clear();
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
    build_pending();
    RWTValSlist<Table> out;
    for (const auto& table : tables_)
        out.push_back(Table{table->name(), table->get_userdata()});
    return out;
}
