#include "driver/DragPointer.hpp"

#include <string>
#include <vector>

#include <Xm/Xm.h>

#include "support/ChildProcess.hpp"
#include "driver/GuiDriver.hpp"

namespace qv::gui {

ScreenPoint screen_point(Widget widget, Position x, Position y)
{
    Position root_x = 0, root_y = 0;
    XtTranslateCoords(widget, x, y, &root_x, &root_y);
    return {root_x, root_y};
}

ScreenPoint center_of(Widget widget)
{
    Dimension width = 0, height = 0;
    XtVaGetValues(widget, XmNwidth, &width, XmNheight, &height, nullptr);
    return screen_point(widget, static_cast<Position>(width / 2), static_cast<Position>(height / 2));
}

void click(Widget widget)
{
    const ScreenPoint at = center_of(widget);
    xdotool({"mousemove", std::to_string(at.x), std::to_string(at.y), "click", "1"});
}

void drag_with_button2(ScreenPoint from, ScreenPoint to)
{
    auto at = [](int x, int y) { return std::vector<std::string>{"mousemove", std::to_string(x), std::to_string(y)}; };
    std::vector<std::string> args = at(from.x, from.y);
    args.insert(args.end(), {"mousedown", "2"});
    // The drag starts on the press; the moves between let the drop sites
    // see the pointer enter them.
    for (int step = 1; step <= 4; ++step) {
        const auto move = at(from.x + (to.x - from.x) * step / 4, from.y + (to.y - from.y) * step / 4);
        args.insert(args.end(), move.begin(), move.end());
        args.insert(args.end(), {"sleep", "0.1"});
    }
    args.insert(args.end(), {"mouseup", "2"});
    qv::test::ChildProcess xdotool("xdotool", args, {}, "/tmp");
    pump_until([&] { return !xdotool.running(); }, 20);
    // The drop's transfer and finish follow the release, through the X server.
    settle();
}

}  // namespace qv::gui
