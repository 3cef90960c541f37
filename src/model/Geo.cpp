#include "model/Geo.hpp"

Geo::Geo(double value, char kind)
    : empty_(0), kind_(kind), coordinate_(value), direction_(value < 0 ? DIR_SOUTH_WEST : DIR_NORTH_EAST)
{
}

void Geo::get(int& degrees, int& minutes, int& seconds, int& hundredths, dir_enum& direction) const
{
    double v = coordinate_;
    direction = DIR_NORTH_EAST;
    if (v < 0) {
        direction = DIR_SOUTH_WEST;
        v = -v;
    }
    degrees = static_cast<int>(v);
    const double m = (v - degrees) * 60.0;
    minutes = static_cast<int>(m);
    const double s = (m - minutes) * 60.0;
    seconds = static_cast<int>(s);
    hundredths = static_cast<int>((s - seconds) * 100.0);
}

void Geo::set(int degrees, int minutes, int seconds, int hundredths, dir_enum direction)
{
    double value = degrees + (minutes + (seconds + hundredths / 100.0) / 60.0) / 60.0;
    if (direction == DIR_SOUTH_WEST) {
        value = -value;
        direction_ = DIR_SOUTH_WEST;
    } else {
        direction_ = DIR_NORTH_EAST;
    }
    coordinate_ = value;
    empty_ = 0;
}
