#include "widgets/CaptionLayout.hpp"

#include <algorithm>

#include <Xm/Form.h>
#include <Xm/Label.h>

namespace {

XtWidgetGeometry preferred(Widget widget)
{
    XtWidgetGeometry geometry{};
    XtQueryGeometry(widget, nullptr, &geometry);
    return geometry;
}

// A tall field (a list) has its label at its top.
bool is_tall(Widget label, Widget field) { return preferred(field).height > 3 * preferred(label).height; }

}  // namespace

CaptionLayout::CaptionLayout(Widget parent, const char* name, int horizontal_spacing, int vertical_spacing,
                             Args args)
    : form_(XtCreateManagedWidget(name, xmFormWidgetClass, parent, args.list(), args.count())),
      horizontal_spacing_(horizontal_spacing),
      vertical_spacing_(vertical_spacing)
{
}

void CaptionLayout::add_row(Widget label, Widget field) { rows_.push_back(Row{label, field}); }

void CaptionLayout::finish()
{
    Dimension label_width = 0;
    for (const Row& row : rows_)
        label_width = std::max(label_width, preferred(row.label).width);

    Widget previous = nullptr;
    for (const Row& row : rows_) {
        Args field;
        field.add(XmNleftAttachment, XmATTACH_FORM)
            .add(XmNleftOffset, label_width + horizontal_spacing_)
            .add(XmNrightAttachment, XmATTACH_FORM);
        if (previous)
            field.add(XmNtopAttachment, XmATTACH_WIDGET).add(XmNtopWidget, previous).add(XmNtopOffset,
                                                                                          vertical_spacing_);
        else
            field.add(XmNtopAttachment, XmATTACH_FORM);
        field.set_on(row.field);

        // Beside a one-line field the label spans the field's height, and its
        // text, centred in it, stays level with the field's whatever height
        // the field takes once laid out (an option menu grows by its margins).
        Args label;
        label.add(XmNleftAttachment, XmATTACH_FORM)
            .add(XmNtopAttachment, XmATTACH_OPPOSITE_WIDGET)
            .add(XmNtopWidget, row.field);
        if (!is_tall(row.label, row.field))
            label.add(XmNbottomAttachment, XmATTACH_OPPOSITE_WIDGET).add(XmNbottomWidget, row.field);
        label.add(XmNwidth, label_width)
            .add(XmNrecomputeSize, False)
            .add(XmNalignment, XmALIGNMENT_END);
        label.set_on(row.label);
        previous = row.field;
    }
}
