#include "gui/Table.hpp"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <X11/IntrinsicP.h>
#include <Xbae/Matrix.h>

#include "gui/Args.hpp"

namespace {

// The pointer actions of a selectable table; the parameter names the
// selection step, the event tells the button and Ctrl.
const char kSelectTranslations[] =
    "#override\n"
    "<Btn1Down>: QvTableSelect(begin)\n"
    "<Btn2Down>: QvTableSelect(begin)\n"
    "<Btn1Motion>: QvTableSelect(extend)\n"
    "<Btn1Up>: QvTableSelect(end)\n"
    "<Btn2Up>: QvTableSelect(end)\n";

// Without selection a press does nothing, so no cell is ever edited.
const char kQuietTranslations[] =
    "#override\n"
    "<Btn1Down>: DefaultAction()\n"
    "<Btn2Down>: DefaultAction()\n";

// Only the cells made editable are ever edited.
void refuse_edit(Widget, XtPointer client_data, XtPointer call_data)
{
    auto* enter = static_cast<XbaeMatrixEnterCellCallbackStruct*>(call_data);
    if (static_cast<const Table*>(client_data)->is_editable(enter->row, enter->column))
        return;
    enter->doit = False;
    enter->map = False;
}

// The matrix and the clip windows inside it, where the pointer events land.
void override_translations(Widget matrix, const char* table)
{
    XtTranslations translations = XtParseTranslationTable(table);
    XtOverrideTranslations(matrix, translations);
    WidgetList children = nullptr;
    Cardinal count = 0;
    XtVaGetValues(matrix, XmNchildren, &children, XmNnumChildren, &count, nullptr);
    for (Cardinal i = 0; i < count; ++i)
        if (std::strcmp(XtClass(children[i])->core_class.class_name, "XbaeClip") == 0)
            XtOverrideTranslations(children[i], translations);
}

// The matrix draws with core fonts only, and only with the rendition of the
// default tag: it is given one of its own rather than the anti-aliased
// render table every other widget inherits, the core "fixed" font (one
// request to the X server).
//
// Text beyond ASCII in a multibyte locale (UTF-8) needs a font set, so that
// it is drawn by character, not byte by byte: the Unicode fixed font where the
// display has it, else "fixed" for what it covers. Making one takes some fifty
// requests (a font list per charset of the locale), seconds over a slow
// display, so a table takes it only when its text needs it. Made here rather
// than by a resource converter, which would warn on standard error of every
// charset the display lacks; made once and kept, as the render tables point
// at it (the tool opens one display).
XFontSet table_font_set(Display* display)
{
    static XFontSet font_set = nullptr;
    if (!font_set && MB_CUR_MAX > 1) {
        char** missing = nullptr;
        int missing_count = 0;
        char* default_text = nullptr;
        font_set = XCreateFontSet(display, "-misc-fixed-medium-r-semicondensed--13-*-*-*-*-*-*-*,fixed", &missing,
                                  &missing_count, &default_text);
        if (missing)
            XFreeStringList(missing);
    }
    return font_set;
}

// The render table of the font set, or of "fixed" when font_set is null.
XmRenderTable core_font_table(Widget parent, XFontSet font_set)
{
    Args args;
    if (font_set)
        args.add(XmNfontType, XmFONT_IS_FONTSET).add(XmNfont, font_set);
    else
        args.add(XmNfontType, XmFONT_IS_FONT).add(XmNfontName, "fixed").add(XmNloadModel, XmLOAD_IMMEDIATE);
    XmRendition rendition =
        XmRenditionCreate(parent, const_cast<char*>(XmFONTLIST_DEFAULT_TAG), args.list(), args.count());
    XmRenderTable table = XmRenderTableAddRenditions(nullptr, &rendition, 1, XmMERGE_REPLACE);
    XmRenditionFree(rendition);
    return table;
}

bool beyond_ascii(const char* text)
{
    for (; text && *text; ++text)
        if (static_cast<unsigned char>(*text) >= 0x80)
            return true;
    return false;
}

// The matrix's own SelectCell does nothing when the pointer lands on its
// clip windows, where the cells are: this action finds the cell itself and
// hands the table the same callback data.
void table_select_action(Widget widget, XEvent* event, String* params, Cardinal* count)
{
    Widget matrix = XtIsSubclass(widget, xbaeMatrixWidgetClass) ? widget : XtParent(widget);
    XtPointer data = nullptr;
    XtVaGetValues(matrix, XmNuserData, &data, nullptr);
    // The matrix maps positions in its own window to cells.
    XEvent in_matrix = *event;
    if (widget != matrix && (event->type == ButtonPress || event->type == ButtonRelease ||
                             event->type == MotionNotify)) {
        in_matrix.xbutton.window = XtWindow(matrix);
        in_matrix.xbutton.x += widget->core.x;
        in_matrix.xbutton.y += widget->core.y;
    }
    int row = -1, column = -1;
    if (!data || !XbaeMatrixGetEventRowColumn(matrix, &in_matrix, &row, &column))
        return;
    XbaeMatrixSelectCellCallbackStruct select{};
    select.reason = XbaeSelectCellReason;
    select.event = event;
    select.row = row;
    select.column = column;
    select.params = params;
    select.num_params = *count;
    static_cast<Table*>(data)->select_cb(matrix, &select);
}

void register_select_action(Widget widget)
{
    static bool registered = false;
    if (registered)
        return;
    XtActionsRec action = {const_cast<String>("QvTableSelect"), table_select_action};
    XtAppAddActions(XtWidgetToApplicationContext(widget), &action, 1);
    registered = true;
}

TableRows::Reason reason_of(const XbaeMatrixSelectCellCallbackStruct& select)
{
    const char* step = select.num_params > 0 ? select.params[0] : "begin";
    if (std::strcmp(step, "extend") == 0)
        return TableRows::Reason::Extend;
    if (std::strcmp(step, "end") == 0)
        return TableRows::Reason::End;
    return TableRows::Reason::Begin;
}

}  // namespace

void Table::create_table(int rows, int columns)
{
    min_rows_ = rows;
    min_columns_ = columns;
    create_table();
}

void Table::create_table()
{
    std::vector<String> labels(static_cast<std::size_t>(min_columns_), const_cast<String>(""));
    XmRenderTable fonts = core_font_table(parent_, nullptr);
    Args args;
    args.add(XmNrenderTable, fonts)
        .add(XmNrows, min_rows_)
        .add(XmNcolumns, min_columns_)
        .add(XmNvisibleRows, min_rows_)
        .add(XmNcolumnLabels, labels.data())
        .add(XmNallowColumnResize, False)
        .add(XmNallowRowResize, False)
        .add(XmNcellShadowThickness, 1)
        .add(XmNtraversalOn, False)
        .add(XmNgridType, XmGRID_CELL_SHADOW)
        .add(XmNselectScrollVisible, True)
        // A table given more room than its columns need widens its last one.
        .add(XmNfill, True)
        .add(XmNhorzFill, True);
    table_ = XtCreateManagedWidget("al_table", xbaeMatrixWidgetClass, parent_, args.list(), args.count());
    XmRenderTableFree(fonts);  // the matrix keeps a copy
    font_set_ = false;
    XtVaSetValues(table_, XmNuserData, static_cast<XtPointer>(this), nullptr);
    register_select_action(table_);
    XtAddCallback(table_, XmNenterCellCallback, refuse_edit, static_cast<XtPointer>(this));
    allow_select(0);
    rows_.clear();
}

void Table::create_col_label(int column, const char* text, int width)
{
    if (column < 0 || column >= get_num_cols())
        return;
    XbaeMatrixSetColumnLabel(table_, column, const_cast<String>(text));
    XbaeMatrixSetColumnWidth(table_, column, width);
}

void Table::set_visible_columns(int columns) { XtVaSetValues(table_, XmNvisibleColumns, columns, nullptr); }

void Table::create_cell(int row, int column, const char* text)
{
    if (row < 0 || row >= get_num_rows() || column < 0 || column >= get_num_cols()) {
        std::printf("Error: create_cell -row or column not created yet.\n");
        return;
    }
    rows_.set_editable(row, column, false);
    if (beyond_ascii(text))
        use_font_set();
    XbaeMatrixSetCell(table_, row, column, const_cast<String>(text ? text : ""));
}

void Table::create_edit_cell(int row, int column, const char* text)
{
    if (row < 0 || row >= get_num_rows() || column < 0 || column >= get_num_cols()) {
        std::printf("Error: create_edit_cell -row or column not created yet.\n");
        return;
    }
    rows_.set_editable(row, column, true);
    use_font_set();  // whatever the user may type
    // The edit field takes the keyboard through the matrix.
    XtVaSetValues(table_, XmNtraversalOn, True, nullptr);
    XbaeMatrixSetCell(table_, row, column, const_cast<String>(text ? text : ""));
}

void Table::use_font_set()
{
    if (font_set_)
        return;
    font_set_ = true;
    if (XFontSet font_set = table_font_set(XtDisplay(table_))) {
        XmRenderTable fonts = core_font_table(table_, font_set);
        XtVaSetValues(table_, XmNrenderTable, fonts, nullptr);
        XmRenderTableFree(fonts);
    }
}

void Table::commit(char unmap) { XbaeMatrixCommitEdit(table_, unmap ? True : False); }

void Table::cancel(char unmap) { XbaeMatrixCancelEdit(table_, unmap ? True : False); }

std::string Table::get_cell(int row, int column) const
{
    if (row < 0 || row >= widget_rows() || column < 0 || column >= get_num_cols())
        return "";
    const char* text = XbaeMatrixGetCell(table_, row, column);
    return text ? text : "";
}

int Table::widget_rows() const { return rows_.count() > min_rows_ ? rows_.count() : min_rows_; }

int Table::get_num_cols() const { return table_ ? XbaeMatrixNumColumns(table_) : 0; }

int Table::add_row(int position)
{
    const int row = rows_.insert(position);
    XbaeMatrixAddRows(table_, row, nullptr, nullptr, nullptr, 1);
    // Blank rows make up the minimum: one fewer is needed now.
    if (XbaeMatrixNumRows(table_) > widget_rows())
        XbaeMatrixDeleteRows(table_, XbaeMatrixNumRows(table_) - 1, 1);
    show_selection();
    return row;
}

void Table::delete_row(int row)
{
    if (!rows_.remove(row))
        return;
    // An edit under way in another row must not land in a moved cell.
    XbaeMatrixCommitEdit(table_, True);
    XbaeMatrixDeleteRows(table_, row, 1);
    if (XbaeMatrixNumRows(table_) < widget_rows())
        XbaeMatrixAddRows(table_, XbaeMatrixNumRows(table_), nullptr, nullptr, nullptr, 1);
    if (get_top_row() >= widget_rows())
        set_top_row(0);
    show_selection();
}

void Table::delete_selected()
{
    int row = 0;
    while (row < get_num_rows()) {
        if (rows_.is_selected(row))
            delete_row(row);
        else
            ++row;
    }
}

void Table::clear_all()
{
    XbaeMatrixCancelEdit(table_, True);
    rows_.clear();
    XbaeMatrixDeleteRows(table_, 0, XbaeMatrixNumRows(table_));
    XbaeMatrixAddRows(table_, 0, nullptr, nullptr, nullptr, min_rows_);
    XbaeMatrixDeselectAll(table_);
}

void Table::allow_select(char on)
{
    override_translations(table_, on ? kSelectTranslations : kQuietTranslations);
}

void Table::select_row(int row)
{
    rows_.select(row);
    show_selection();
}

void Table::deselect_row(int row)
{
    rows_.deselect(row);
    show_selection();
}

void Table::select_all()
{
    rows_.select_all();
    show_selection();
}

void Table::deselect_all()
{
    rows_.deselect_all();
    show_selection();
}

int Table::get_top_row() const
{
    int top = 0;
    XtVaGetValues(table_, XmNtopRow, &top, nullptr);
    return top;
}

void Table::set_top_row(int row)
{
    if (row < 0 || row > get_num_rows())
        return;
    XtVaSetValues(table_, XmNtopRow, row, nullptr);
}

void Table::repaint_off() { XbaeMatrixDisableRedisplay(table_); }

void Table::repaint_on() { XbaeMatrixEnableRedisplay(table_, True); }

void Table::select_cb(Widget, void* call_data)
{
    auto* select = static_cast<XbaeMatrixSelectCellCallbackStruct*>(call_data);
    if (!select || select->row < 0 || select->row >= get_num_rows())
        return;
    int button = 1;
    bool ctrl = false;
    if (select->event && (select->event->type == ButtonPress || select->event->type == ButtonRelease)) {
        button = static_cast<int>(select->event->xbutton.button);
        ctrl = (select->event->xbutton.state & ControlMask) != 0;
    } else if (select->event && select->event->type == MotionNotify) {
        ctrl = (select->event->xmotion.state & ControlMask) != 0;
    }
    const TableRows::Reason reason = reason_of(*select);
    if (reason == TableRows::Reason::Begin) {
        // Leaving a cell keeps what was typed in it (the selection's redraw
        // would show the cell's old text again).
        XbaeMatrixCommitEdit(table_, True);
        if (button == 1 && !ctrl && rows_.is_editable(select->row, select->column)) {
            XbaeMatrixEditCell(table_, select->row, select->column);
            return;
        }
    }
    select->column = -1;  // whole rows only
    repaint_off();
    rows_.click(reason, select->row, button, ctrl);
    show_selection();
    repaint_on();
    if (select_listener_)
        select_listener_();
}

// The widget shows exactly the rows the bookkeeping holds selected.
void Table::show_selection()
{
    XbaeMatrixDeselectAll(table_);
    for (int row : rows_.selected_rows())
        XbaeMatrixSelectRow(table_, row);
}
