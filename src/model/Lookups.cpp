#include "model/Lookups.hpp"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

long get_node_id(RWCString& id, const RWCString& default_system)
{
    const RWCString copy = id;
    long number = -1;
    if (copy.empty()) {
        id = default_system;
        return -1;
    }
    const auto colon = copy.find(':');
    const char* digits = copy.c_str();
    if (colon != RWCString::npos) {
        id = copy.substr(0, colon);
        digits = copy.c_str() + colon + 1;
    } else {
        id = default_system;
    }
    if (std::sscanf(digits, "%ld", &number) != 1)
        return -1;
    return number;
}

int is_blank(const char* text)
{
    if (!text || !*text)
        return 1;
    bool digit_seen = false;
    for (const char* p = text; *p; ++p) {
        if (std::isdigit(static_cast<unsigned char>(*p)))
            digit_seen = true;
        else if (*p != ' ' && *p != '.')
            return 1;
    }
    return digit_seen ? 0 : 1;
}

char* itoa(int value)
{
    static char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%d", value);
    return buffer;
}

QvTopoNode::Location get_location(const RWCString& point)
{
    QvTopoNode::Location location;
    const auto first = point.find(':');
    location.x = std::atoi(point.substr(0, first).c_str());
    if (first == RWCString::npos)
        return location;
    const auto second = point.find(':', first + 1);
    location.y = std::atoi(point.substr(first + 1, second == RWCString::npos ? RWCString::npos : second - first - 1).c_str());
    if (second != RWCString::npos)
        location.z = std::atoi(point.substr(second + 1).c_str());
    return location;
}

