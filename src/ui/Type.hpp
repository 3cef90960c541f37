// One topology type as the header shows it: its name, its DN and its glyph.
#pragma once

#include <string>

#include <Xm/Xm.h>

#include "platform/QvTopoNodeDn.hpp"

class Type {
public:
    Type() = default;
    explicit Type(const QvTopoTypeDn& dn) : dn_(dn), name_(dn.unique_name()) {}
    virtual ~Type() = default;

    const RWCString& name() const { return name_; }
    const QvTopoTypeDn& dn() const { return dn_; }
    // XmUNSPECIFIED_PIXMAP until a glyph was loaded.
    Pixmap pixmap() const { return pixmap_; }

    // Loads the glyph file in the colours of label (the label that shows it);
    // a file that cannot be read leaves no pixmap and says nothing.
    void set_pixmap(Widget label);
    // Whether set_pixmap was called: glyphs are read when first shown.
    bool glyph_read() const { return glyph_read_; }

    // "$QV_HOME/glyphs/<type>.pm", or under the installation's default home
    // when QV_HOME is not set.
    static std::string glyph_path(const std::string& type_name);

    bool operator==(const Type& other) const { return name_ == other.name_; }

private:
    QvTopoTypeDn dn_;
    RWCString name_;
    Pixmap pixmap_ = XmUNSPECIFIED_PIXMAP;
    bool glyph_read_ = false;
};
