#include "gui/SubsetListDialog.hpp"

#include <Xm/Form.h>
#include <Xm/List.h>
#include <Xm/Xm.h>

#include "gui/MemberCallback.hpp"
#include "gui/WidgetMaker.hpp"

namespace {

// Button 1 alone picks one item, button 2 adds or removes one.
const char kListTranslations[] =
    "None <Btn1Down>: ListBeginSelect()\n"
    "None <Btn1Up>: ListEndSelect()\n"
    "<Btn2Down>: ListBeginToggle()\n"
    "<Btn2Up>: ListEndToggle()";

constexpr int kVisibleItems = 12;

}  // namespace

void SubsetListDialog::create(Widget parent, const char* name, const SubsetListTexts& texts)
{
    top_form_ = XtCreateWidget(name, xmFormWidgetClass, parent, nullptr, 0);
    _xd_rootwidget = top_form_;
    _xd_dialogwidget = top_form_;
    Widget left = make_form(top_form_, "set_list_form",
                            Args()
                                .add(XmNtopAttachment, XmATTACH_FORM)
                                .add(XmNbottomAttachment, XmATTACH_FORM)
                                .add(XmNleftAttachment, XmATTACH_FORM)
                                .add(XmNrightAttachment, XmATTACH_POSITION)
                                .add(XmNrightPosition, 40));
    all_list_ = make_side(left, false, texts);
    Widget middle = make_form(top_form_, "form7",
                              Args()
                                  .add(XmNtopAttachment, XmATTACH_POSITION)
                                  .add(XmNtopPosition, 30)
                                  .add(XmNleftAttachment, XmATTACH_POSITION)
                                  .add(XmNleftPosition, 42)
                                  .add(XmNrightAttachment, XmATTACH_POSITION)
                                  .add(XmNrightPosition, 58));
    make_middle(middle, texts);
    Widget right = make_form(top_form_, "subset_list_form",
                             Args()
                                 .add(XmNtopAttachment, XmATTACH_FORM)
                                 .add(XmNbottomAttachment, XmATTACH_FORM)
                                 .add(XmNleftAttachment, XmATTACH_POSITION)
                                 .add(XmNleftPosition, 60)
                                 .add(XmNrightAttachment, XmATTACH_FORM));
    members_list_ = make_side(right, true, texts);

    XtTranslations translations = XtParseTranslationTable(kListTranslations);
    XtOverrideTranslations(all_list_, translations);
    XtOverrideTranslations(members_list_, translations);
}

Widget SubsetListDialog::make_side(Widget form, bool right, const SubsetListTexts& texts)
{
    Widget label = make_label(form, right ? "right_label" : "left_label",
                              (right ? texts.right_title : texts.left_title).c_str(),
                              Args().add(XmNtopAttachment, XmATTACH_FORM).add(XmNleftAttachment, XmATTACH_FORM));
    (right ? right_label_ : left_label_) = label;
    Widget buttons = make_form(form, right ? "form6" : "form4",
                               Args()
                                   .add(XmNbottomAttachment, XmATTACH_FORM)
                                   .add(XmNleftAttachment, XmATTACH_FORM)
                                   .add(XmNrightAttachment, XmATTACH_FORM));
    Widget select = make_button(buttons, right ? "right_select_button" : "left_select_button",
                                texts.select_all.c_str(),
                                Args().add(XmNleftAttachment, XmATTACH_FORM).add(XmNtopAttachment, XmATTACH_FORM));
    Widget deselect = make_button(buttons, right ? "right_deselect_button" : "left_deselect_button",
                                  texts.deselect_all.c_str(),
                                  Args()
                                      .add(XmNleftAttachment, XmATTACH_WIDGET)
                                      .add(XmNleftWidget, select)
                                      .add(XmNleftOffset, 6)
                                      .add(XmNtopAttachment, XmATTACH_FORM));
    Widget list = make_scrolled_list(form, right ? "members_scroll" : "all_scroll", kVisibleItems,
                                     XmEXTENDED_SELECT);
    Args()
        .add(XmNtopAttachment, XmATTACH_WIDGET)
        .add(XmNtopWidget, label)
        .add(XmNtopOffset, 4)
        .add(XmNbottomAttachment, XmATTACH_WIDGET)
        .add(XmNbottomWidget, buttons)
        .add(XmNbottomOffset, 6)
        .add(XmNleftAttachment, XmATTACH_FORM)
        .add(XmNrightAttachment, XmATTACH_FORM)
        .set_on(XtParent(list));
    if (right) {
        add_member_callback<SubsetListDialog, &SubsetListDialog::right_select_all_cb>(select, XmNactivateCallback,
                                                                                      this);
        add_member_callback<SubsetListDialog, &SubsetListDialog::right_deselect_all_cb>(deselect,
                                                                                        XmNactivateCallback, this);
    } else {
        add_member_callback<SubsetListDialog, &SubsetListDialog::left_select_all_cb>(select, XmNactivateCallback,
                                                                                     this);
        add_member_callback<SubsetListDialog, &SubsetListDialog::left_deselect_all_cb>(deselect,
                                                                                       XmNactivateCallback, this);
    }
    return list;
}

void SubsetListDialog::make_middle(Widget form, const SubsetListTexts& texts)
{
    Widget add = make_button(form, "add_button", texts.add.c_str(),
                             Args()
                                 .add(XmNtopAttachment, XmATTACH_FORM)
                                 .add(XmNleftAttachment, XmATTACH_FORM)
                                 .add(XmNrightAttachment, XmATTACH_FORM));
    Widget remove = make_button(form, "remove_button", texts.remove.c_str(),
                                Args()
                                    .add(XmNtopAttachment, XmATTACH_WIDGET)
                                    .add(XmNtopWidget, add)
                                    .add(XmNtopOffset, 8)
                                    .add(XmNleftAttachment, XmATTACH_FORM)
                                    .add(XmNrightAttachment, XmATTACH_FORM));
    add_member_callback<SubsetListDialog, &SubsetListDialog::add_cb>(add, XmNactivateCallback, this);
    add_member_callback<SubsetListDialog, &SubsetListDialog::remove_cb>(remove, XmNactivateCallback, this);
}
