// The texts of the coordinates page and the values behind them, kept apart
// from the widgets so that the rules can be tested on their own.
#pragma once

#include <string>

#include "model/Geo.hpp"

// The three fields and the hemisphere of one geographical coordinate.
struct GeoFields {
    std::string degrees;
    std::string minutes;
    std::string seconds;  // whole seconds, a point, two digits of hundredths
    dir_enum direction = DIR_NORTH_EAST;
};

// The fields showing a coordinate (kind 0 east/west, 1 north/south).
GeoFields geo_to_fields(double value, char kind);

// The coordinate the fields stand for. A field is read only when it holds
// blanks, digits and points with at least one digit; anything else (a sign
// included) counts as 0. The hemisphere comes from direction alone.
double geo_from_fields(const GeoFields& fields, char kind);

// A logical coordinate field: leading blanks and a sign allowed, reading stops
// at the first other character, an empty field is 0.
long logical_from_text(const std::string& text);
