#include "ui/Type.hpp"

#include "process/InstallDir.hpp"

std::string Type::glyph_path(const std::string& type_name) { return qv_home() + "/glyphs/" + type_name + ".pm"; }

void Type::set_pixmap(Widget label)
{
    Pixel foreground = 0;
    Pixel background = 0;
    XtVaGetValues(label, XmNforeground, &foreground, XmNbackground, &background, nullptr);
    const std::string path = glyph_path(name_);
    pixmap_ = XmGetPixmap(XtScreen(label), const_cast<char*>(path.c_str()), foreground, background);
    glyph_read_ = true;
}
