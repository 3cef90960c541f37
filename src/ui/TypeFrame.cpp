#include "ui/TypeFrame.hpp"

#include <Xm/CascadeB.h>
#include <Xm/Form.h>
#include <Xm/Label.h>
#include <Xm/RowColumn.h>

#include "gui/WidgetMaker.hpp"
#include "gui/XmStr.hpp"
#include "process/Catalogue.hpp"
#include "widgets/CaptionLayout.hpp"

namespace {

// The type glyphs are 32 by 32 pixels; the label adds its margins.
constexpr Dimension kGlyphSize = 32;

}  // namespace

void TypeFrame::create(Widget parent)
{
    frame_ = make_frame(parent, "frame2", "type_frame_label", cat_text(kToolSet, 12, "Type of Selected Object"),
                        &type_frame_label_);
    Widget form = make_form(frame_, "form1");

    Args pixmap_args;
    // Nothing here is attached at the bottom: the row is as high as its
    // tallest part, whatever the window's size, and the type button keeps
    // its own height.
    pixmap_args.add(XmNtopAttachment, XmATTACH_FORM)
        .add(XmNleftAttachment, XmATTACH_FORM)
        .add(XmNleftOffset, 6)
        .add(XmNlabelType, XmPIXMAP)
        // Sized for a glyph from the start: a label that grew when the first
        // glyph arrives, after the window is up, would squeeze the type row.
        .add(XmNwidth, kGlyphSize + 4)
        .add(XmNheight, kGlyphSize + 4)
        .add(XmNrecomputeSize, False);
    type_pixmap_ = make_widget(xmLabelWidgetClass, form, "type_pixmap", pixmap_args);

    Args aligner_args;
    aligner_args.add(XmNtopAttachment, XmATTACH_FORM)
        .add(XmNleftAttachment, XmATTACH_WIDGET)
        .add(XmNleftWidget, type_pixmap_)
        .add(XmNrightAttachment, XmATTACH_FORM)
        .add(XmNmarginWidth, 6)
        .add(XmNmarginHeight, 6);
    CaptionLayout aligner(form, "widget12", 10, 6, aligner_args);
    Widget type_label = make_label(aligner.form(), "label10", cat_text(kToolSet, 13, "Type (Click to change):"));
    Widget menu_bar = XmCreateMenuBar(aligner.form(), const_cast<char*>("menuBar1"), nullptr, 0);
    XtManageChild(menu_bar);
    type_pulldown_ = XmCreatePulldownMenu(menu_bar, const_cast<char*>("type_pulldown"), nullptr, 0);
    XmStr cascade_label(cat_text(kToolSet, 14, " "));
    Args cascade_args;
    cascade_args.add(XmNsubMenuId, type_pulldown_).add(XmNlabelString, cascade_label.get());
    type_menu_cascade_ = make_widget(xmCascadeButtonWidgetClass, menu_bar, "type_menu_cascade", cascade_args);
    aligner.add_row(type_label, menu_bar);
    aligner.finish();
}
