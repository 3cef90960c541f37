#include "gui/BusyCursor.hpp"

#include <Xm/Xm.h>

#include "gui/HourglassBitmap.hpp"

namespace {

Cursor busy_cursor = None;

Pixmap bitmap_from(Display* dpy, Window window, const HourglassBitmap::Bits& bits)
{
    return XCreateBitmapFromData(dpy, window, reinterpret_cast<const char*>(bits.data()), HourglassBitmap::kSize,
                                 HourglassBitmap::kSize);
}

// Foreground black, background the shell's own background colour.
Cursor create_busy_cursor(Widget shell)
{
    Display* dpy = XtDisplay(shell);
    Window window = XtWindow(shell);
    const int screen = DefaultScreen(dpy);
    Colormap colormap = DefaultColormap(dpy, screen);

    XColor foreground{};
    foreground.pixel = BlackPixel(dpy, screen);
    XQueryColor(dpy, colormap, &foreground);
    Pixel shell_background = 0;
    XtVaGetValues(shell, XmNbackground, &shell_background, nullptr);
    XColor background{};
    background.pixel = shell_background;
    XQueryColor(dpy, colormap, &background);

    Pixmap image = bitmap_from(dpy, window, HourglassBitmap::image());
    Pixmap mask = bitmap_from(dpy, window, HourglassBitmap::mask());
    Cursor cursor = XCreatePixmapCursor(dpy, image, mask, &foreground, &background, HourglassBitmap::kHotX,
                                        HourglassBitmap::kHotY);
    XFreePixmap(dpy, image);
    XFreePixmap(dpy, mask);
    return cursor;
}

}  // namespace

void set_busy_cursor(Widget shell)
{
    if (!shell || !XtIsRealized(shell))
        return;
    if (busy_cursor == None)
        busy_cursor = create_busy_cursor(shell);
    XDefineCursor(XtDisplay(shell), XtWindow(shell), busy_cursor);
    XSync(XtDisplay(shell), False);
}

void reset_busy_cursor(Widget shell)
{
    if (!shell || !XtIsRealized(shell) || busy_cursor == None)
        return;
    XUndefineCursor(XtDisplay(shell), XtWindow(shell));
    XSync(XtDisplay(shell), False);
}
