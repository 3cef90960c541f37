#include "ui/IdentificationFrame.hpp"

#include <Xm/Form.h>
#include <Xm/List.h>
#include <Xm/RowColumn.h>

#include "gui/WidgetMaker.hpp"
#include "process/Catalogue.hpp"
#include "widgets/CaptionLayout.hpp"

void IdentificationFrame::create(Widget parent)
{
    frame_ = make_frame(parent, "top_frame", "label1", cat_text(kToolSet, 11, "Object Identification"));
    Widget top_form = make_form(frame_, "top_form");

    Args buttons_args;
    buttons_args.add(XmNtopAttachment, XmATTACH_FORM)
        .add(XmNrightAttachment, XmATTACH_FORM)
        .add(XmNorientation, XmVERTICAL)
        .add(XmNpacking, XmPACK_COLUMN);
    Widget buttons = make_widget(xmRowColumnWidgetClass, top_form, "rowcol1", buttons_args);
    add_name_button_ = make_button(buttons, "add_name_button", cat_text(kToolSet, 8, "Add"));
    make_label(buttons, "label17", cat_text(kToolSet, 9, " "));
    delete_name_button_ = make_button(buttons, "delete_name_button", cat_text(kToolSet, 10, "Delete"),
                                      Args().add(XmNsensitive, False));

    Args aligner_args;
    aligner_args.add(XmNtopAttachment, XmATTACH_FORM)
        .add(XmNleftAttachment, XmATTACH_FORM)
        .add(XmNbottomAttachment, XmATTACH_FORM)
        .add(XmNrightAttachment, XmATTACH_WIDGET)
        .add(XmNrightWidget, buttons)
        .add(XmNmarginWidth, 6)
        .add(XmNmarginHeight, 6);
    CaptionLayout aligner(top_form, "widget6", 10, 6, aligner_args);
    Widget name_label = make_label(aligner.form(), "name_label", cat_text(kToolSet, 6, "Name:"));
    name_text_field_ = make_text_field(aligner.form(), "name_text_field");
    list_label_ = make_label(aligner.form(), "list_label", cat_text(kToolSet, 7, "Available Objects:"));
    // Path names grow long: the list scrolls sideways rather than clip them,
    // with its scroll bars there from the start so the layout never shifts.
    name_list_ = make_scrolled_list(aligner.form(), "name_list", 3, XmSINGLE_SELECT,
                                    Args().add(XmNlistSizePolicy, XmCONSTANT).add(XmNscrollBarDisplayPolicy, XmSTATIC));
    aligner.add_row(name_label, name_text_field_);
    aligner.add_row(list_label_, XtParent(name_list_));
    aligner.finish();
}
