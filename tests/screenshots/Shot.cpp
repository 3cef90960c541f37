#include "Shot.hpp"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <Xm/Xm.h>

#include "support/ChildProcess.hpp"
#include "driver/GuiDriver.hpp"
#include "gui/XtGlobals.hpp"

namespace qv::gui {
namespace {

struct Box {
    int left = 1 << 30, top = 1 << 30, right = 0, bottom = 0;
};

// The screen area of every viewable top-level window, whoever owns it.
Box windows_box()
{
    Window root = DefaultRootWindow(display), parent = 0, *children = nullptr;
    unsigned int count = 0;
    Box box;
    if (!XQueryTree(display, root, &root, &parent, &children, &count))
        return box;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes a{};
        if (!XGetWindowAttributes(display, children[i], &a) || a.map_state != IsViewable || a.c_class == InputOnly)
            continue;
        box.left = std::min(box.left, a.x);
        box.top = std::min(box.top, a.y);
        box.right = std::max(box.right, a.x + a.width + 2 * a.border_width);
        box.bottom = std::max(box.bottom, a.y + a.height + 2 * a.border_width);
    }
    XFree(children);
    return box;
}

}  // namespace

void shot(const std::string& name)
{
    settle();
    const char* dir = std::getenv("QV_SCREENSHOT_DIR");
    const std::string path = std::string(dir ? dir : QV_SCREENSHOT_DIR) + "/" + name + ".png";
    const Box box = windows_box();
    std::vector<std::string> args = {"-window", "root"};
    if (box.right > box.left && box.bottom > box.top) {
        const int left = std::max(0, box.left), top = std::max(0, box.top);
        args.insert(args.end(), {"-crop",
                                 std::to_string(box.right - left) + "x" + std::to_string(box.bottom - top) + "+" +
                                     std::to_string(left) + "+" + std::to_string(top),
                                 "+repage"});
    }
    args.push_back(path);
    const char* tmp = std::getenv("TMPDIR");
    qv::test::ChildProcess import("import", args, {}, tmp ? tmp : "/tmp");
    pump_until([&] { return !import.running(); }, 60);
    std::printf("%s\n", path.c_str());
    std::fflush(stdout);
}

}  // namespace qv::gui
