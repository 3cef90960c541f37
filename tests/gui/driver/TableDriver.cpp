#include "driver/TableDriver.hpp"

#include <string>
#include <utility>
#include <vector>

#include <Xbae/Matrix.h>

#include "driver/GuiDriver.hpp"

namespace qv::gui {
namespace {

// The screen position of a point inside a cell.
std::pair<std::string, std::string> cell_position(Widget matrix, int row, int column)
{
    Widget clip = find_widget_in(matrix, "clip");
    int x = 0, y = 0;
    XbaeMatrixRowColToXY(matrix, row, column, &x, &y);
    Position root_x = 0, root_y = 0;
    XtTranslateCoords(clip, static_cast<Position>(x + 6), static_cast<Position>(y + 6), &root_x, &root_y);
    return {std::to_string(root_x), std::to_string(root_y)};
}

// The clicks come faster than a user's: none may count as a double click of
// the one before on the same widget.
void pointer(Widget widget, const std::vector<std::string>& args)
{
    XtVaSetValues(widget, XmNdoubleClickInterval, 1, nullptr);
    xdotool(args);
}

}  // namespace

void click_cell(Widget matrix, int row, int column, unsigned int button, bool ctrl)
{
    const auto [x, y] = cell_position(matrix, row, column);
    std::vector<std::string> args = {"mousemove", x, y};
    if (ctrl)
        args.insert(args.end(), {"keydown", "ctrl"});
    args.insert(args.end(), {"click", std::to_string(button)});
    if (ctrl)
        args.insert(args.end(), {"keyup", "ctrl"});
    pointer(matrix, args);
}

void drag_rows(Widget matrix, int from, int to)
{
    const auto [x1, y1] = cell_position(matrix, from, 0);
    const auto [x2, y2] = cell_position(matrix, to, 0);
    pointer(matrix, {"mousemove", x1, y1, "mousedown", "1", "mousemove", x2, y2, "mouseup", "1"});
}

}  // namespace qv::gui
