#include "ui/TypeKinds.hpp"

#include "platform/QvTopoType.hpp"

namespace {

struct KindWord {
    const char* word;
    unsigned bit;
    bool (*test)(const RWCString&);
};

// In the order the menu restriction picks its kind.
const KindWord kKindWords[] = {
    {"array", kKindArray, &QvTopoType::is_array},         {"bus", kKindBus, &QvTopoType::is_bus},
    {"monitor", kKindMonitor, &QvTopoType::is_monitor},   {"device", kKindDevice, &QvTopoType::is_device},
    {"link", kKindLink, &QvTopoType::is_link},            {"container", kKindContainer, &QvTopoType::is_container},
};

}  // namespace

unsigned type_kinds(const RWCString& type)
{
    unsigned kinds = 0;
    for (const KindWord& kind : kKindWords)
        if (kind.test(type))
            kinds |= kind.bit;
    return kinds;
}

bool kinds_mixed(unsigned kinds)
{
    const auto has = [kinds](unsigned bits) { return (kinds & bits) != 0; };
    if (has(kKindContainer) && has(kKindMonitor | kKindDevice | kKindLink | kKindArray | kKindBus))
        return true;
    if (has(kKindMonitor) && has(kKindDevice | kKindLink | kKindArray | kKindBus))
        return true;
    if (has(kKindDevice) && has(kKindLink | kKindArray | kKindBus))
        return true;
    return has(kKindArray) && has(kKindBus);
}

const char* menu_kind(unsigned kinds)
{
    for (const KindWord& kind : kKindWords)
        if (kinds & kind.bit)
            return kind.word;
    return "";
}

bool type_is_of_kind(const RWCString& kind_word, const RWCString& type, bool& known)
{
    for (const KindWord& kind : kKindWords) {
        if (kind_word == kind.word) {
            known = true;
            return kind.test(type);
        }
    }
    known = false;
    return false;
}

bool is_legal_type_change(const RWCString& old_type, const RWCString& new_type)
{
    if (old_type == new_type)
        return true;
    return QvTopoType::is_view(old_type) == QvTopoType::is_view(new_type);
}
