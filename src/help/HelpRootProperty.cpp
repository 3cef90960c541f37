#include "help/HelpRootProperty.hpp"

#include <X11/Xatom.h>

HelpRootProperty::HelpRootProperty(Display* display)
    : display_(display),
      root_(RootWindow(display, DefaultScreen(display))),
      atom_(XInternAtom(display, HelpRecord::kAtomName, False))
{
}

std::vector<unsigned char> HelpRootProperty::read() const
{
    std::vector<unsigned char> value;
    if (!valid())
        return value;
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display_, root_, atom_, 0, kMaxLongs, False, atom_, &type, &format, &items, &after,
                           &data) == Success &&
        data && format == 8)
        value.assign(data, data + items);
    if (data)
        XFree(data);
    return value;
}

void HelpRootProperty::replace(const std::vector<unsigned char>& value) const
{
    XChangeProperty(display_, root_, atom_, atom_, 8, PropModeReplace, value.data(), static_cast<int>(value.size()));
}

void HelpRootProperty::append(const HelpRecord& record) const
{
    const HelpRecord::Bytes bytes = record.encode();
    XChangeProperty(display_, root_, atom_, atom_, 8, PropModeAppend, bytes.data(), static_cast<int>(bytes.size()));
}

bool HelpRootProperty::find(std::int32_t key, HelpRecord& record) const
{
    const std::vector<unsigned char> value = read();
    const int index = HelpRecord::find(value, key);
    if (index < 0)
        return false;
    record = HelpRecord::decode(value.data() + static_cast<std::size_t>(index) * HelpRecord::kSize);
    return true;
}

bool HelpRootProperty::update(const HelpRecord& record) const
{
    std::vector<unsigned char> value = read();
    const int index = HelpRecord::find(value, record.key);
    if (index < 0)
        return false;
    const HelpRecord::Bytes bytes = record.encode();
    std::copy(bytes.begin(), bytes.end(), value.begin() + static_cast<long>(index) * HelpRecord::kSize);
    replace(value);
    return true;
}
