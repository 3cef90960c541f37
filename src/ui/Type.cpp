#include "ui/Type.hpp"

#include <Xm/XpmP.h>

#include "process/InstallDir.hpp"

std::string Type::glyph_path(const std::string& type_name) { return qv_home() + "/glyphs/" + type_name + ".pm"; }

void Type::set_pixmap(Widget label)
{
    glyph_read_ = true;
    Pixel foreground = 0;
    Pixel background = 0;
    XtVaGetValues(label, XmNforeground, &foreground, XmNbackground, &background, nullptr);
    // Glyphs are XPM: read as such, not through the toolkit's image reader,
    // which tries each file as JPEG and PNG first.
    XpmColorSymbol colours[] = {{const_cast<char*>("foreground"), nullptr, foreground},
                                {const_cast<char*>("background"), nullptr, background}};
    XpmAttributes attributes{};
    attributes.valuemask = XpmColorSymbols;
    attributes.colorsymbols = colours;
    attributes.numsymbols = 2;
    Display* display = XtDisplay(label);
    Pixmap pixmap = 0;
    Pixmap mask = 0;
    const std::string path = glyph_path(name_);
    if (XpmReadFileToPixmap(display, RootWindowOfScreen(XtScreen(label)), const_cast<char*>(path.c_str()), &pixmap,
                            &mask, &attributes) == XpmSuccess)
        pixmap_ = pixmap;
    if (mask)
        XFreePixmap(display, mask);
    XpmFreeAttributes(&attributes);
}
