#include "gui/ScrolledView.hpp"

#include <algorithm>

#include <Xm/Xm.h>

namespace {

bool is_below(Widget widget, Widget ancestor)
{
    for (; widget; widget = XtParent(widget))
        if (widget == ancestor)
            return true;
    return false;
}

// A key that reaches the clip window while a widget inside the view has the
// keyboard focus is that widget's: it gets it, and the view does not scroll.
void key_to_focus(Widget clip, XtPointer, XEvent* event, Boolean* continue_to_dispatch)
{
    if (event->type != KeyPress && event->type != KeyRelease)
        return;
    Widget focus = XmGetFocusWidget(clip);
    if (!focus || focus == clip || !XtIsWidget(focus) || !is_below(focus, clip))
        return;
    *continue_to_dispatch = False;
    XtDispatchEventToWidget(focus, event);
}

Widget clip_of(Widget scrolled_window)
{
    Widget clip = nullptr;
    XtVaGetValues(scrolled_window, XmNclipWindow, &clip, nullptr);
    return clip;
}

// A stretched work area stays this far inside the view, so that stretching
// alone never makes a scroll bar appear (which would change the view again).
constexpr int kSlack = 4;

// One scrolled window's fitting: what it was last fitted to, so that the
// events its own fitting causes change nothing.
struct ViewFit {
    Widget scrolled_window;
    XtWidgetGeometry own{};
    Dimension view_width = 0, view_height = 0;
};

// Sizes the work area to the larger of its own size and the view's; the
// work area is a child window of the clip window, so a change of either
// comes here.
void fit_work_area(ViewFit& fit)
{
    Widget clip = clip_of(fit.scrolled_window);
    Widget work = nullptr;
    XtVaGetValues(fit.scrolled_window, XmNworkWindow, &work, nullptr);
    if (!clip || !work || !XtIsManaged(work))
        return;
    XtWidgetGeometry own{};
    XtQueryGeometry(work, nullptr, &own);
    Dimension view_width = 0, view_height = 0;
    XtVaGetValues(clip, XmNwidth, &view_width, XmNheight, &view_height, nullptr);
    if (own.width == fit.own.width && own.height == fit.own.height && view_width == fit.view_width &&
        view_height == fit.view_height)
        return;
    fit.own = own;
    fit.view_width = view_width;
    fit.view_height = view_height;
    const auto width = static_cast<Dimension>(std::max(int{own.width}, view_width - kSlack));
    const auto height = static_cast<Dimension>(std::max(int{own.height}, view_height - kSlack));
    XtVaSetValues(work, XmNwidth, width, XmNheight, height, nullptr);
}

void view_changed(Widget, XtPointer fit, XEvent* event, Boolean*)
{
    if (event->type == ConfigureNotify)
        fit_work_area(*static_cast<ViewFit*>(fit));
}

void forget_fit(Widget, XtPointer fit, XtPointer) { delete static_cast<ViewFit*>(fit); }

}  // namespace

void fill_view(Widget scrolled_window)
{
    Widget clip = clip_of(scrolled_window);
    if (!clip)
        return;
    auto* fit = new ViewFit{scrolled_window};
    XtAddEventHandler(clip, StructureNotifyMask | SubstructureNotifyMask, False, view_changed, fit);
    XtAddCallback(scrolled_window, XmNdestroyCallback, forget_fit, fit);
}

void give_keys_to_focus(Widget scrolled_window)
{
    if (Widget clip = clip_of(scrolled_window))
        XtInsertEventHandler(clip, KeyPressMask | KeyReleaseMask, False, key_to_focus, nullptr, XtListHead);
}
