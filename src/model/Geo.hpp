// One geographical coordinate, converted between decimal degrees and degrees,
// minutes, seconds and hundredths of a second. Every step truncates toward
// zero, as the coordinates page has always shown them.
#pragma once

enum dir_enum { DIR_NORTH_EAST = 0, DIR_SOUTH_WEST = 1 };

class Geo {
public:
    Geo() = default;
    // kind: 0 for the first (east/west), 1 for the second (north/south) coordinate.
    Geo(double value, char kind);
    virtual ~Geo() = default;

    void get(int& degrees, int& minutes, int& seconds, int& hundredths, dir_enum& direction) const;
    void set(int degrees, int minutes, int seconds, int hundredths, dir_enum direction);

    double get_coordinate() const { return coordinate_; }
    bool is_empty() const { return empty_; }
    char kind() const { return kind_; }
    dir_enum direction() const { return direction_; }

private:
    char empty_ = 1;
    char kind_ = 0;
    double coordinate_ = 0.0;
    dir_enum direction_ = DIR_NORTH_EAST;
};
