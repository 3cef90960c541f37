#include "model/CoordText.hpp"

#include <cstdio>
#include <cstdlib>

#include "model/Lookups.hpp"

GeoFields geo_to_fields(double value, char kind)
{
    const Geo geo(value, kind);
    int degrees = 0, minutes = 0, seconds = 0, hundredths = 0;
    dir_enum direction = DIR_NORTH_EAST;
    geo.get(degrees, minutes, seconds, hundredths, direction);
    char buffer[64];
    GeoFields fields;
    std::snprintf(buffer, sizeof buffer, "%d", degrees);
    fields.degrees = buffer;
    std::snprintf(buffer, sizeof buffer, "%d", minutes);
    fields.minutes = buffer;
    std::snprintf(buffer, sizeof buffer, "%d.%02d", seconds, hundredths);
    fields.seconds = buffer;
    fields.direction = direction;
    return fields;
}

namespace {

int integer_field(const std::string& text)
{
    int value = 0;
    if (!is_blank(text.c_str()))
        std::sscanf(text.c_str(), "%d", &value);
    return value;
}

}  // namespace

double geo_from_fields(const GeoFields& fields, char kind)
{
    const int degrees = integer_field(fields.degrees);
    const int minutes = integer_field(fields.minutes);
    double seconds_value = 0.0;
    if (!is_blank(fields.seconds.c_str()))
        std::sscanf(fields.seconds.c_str(), "%lf", &seconds_value);
    const int seconds = static_cast<int>(seconds_value);
    const int hundredths = static_cast<int>((seconds_value - seconds) * 100.0);
    Geo geo(0.0, kind);
    geo.set(degrees, minutes, seconds, hundredths, fields.direction);
    return geo.get_coordinate();
}

long logical_from_text(const std::string& text)
{
    // A location word is 32 bits: clamp rather than wrap a huge number.
    const long value = std::strtol(text.c_str(), nullptr, 10);
    if (value > 2147483647L)
        return 2147483647L;
    if (value < -2147483647L - 1)
        return -2147483647L - 1;
    return value;
}
