#include "gui/HourglassBitmap.hpp"

namespace {

// Drawn here rather than as hex so that the shape can be read and changed.
const char* const kHourglass[HourglassBitmap::kSize] = {
    "################################",
    "################################",
    ".#.#..####################..#.#.",
    ".#.#...#................#...#.#.",
    ".#.#...#................#...#.#.",
    ".#.#....#..............#....#.#.",
    ".#.#.....#............#.....#.#.",
    ".#.#.....#............#.....#.#.",
    ".#.#......#..........#......#.#.",
    ".#.#.......##########.......#.#.",
    ".#.#........########........#.#.",
    ".#.#........########........#.#.",
    ".#.#.........######.........#.#.",
    ".#.#..........####..........#.#.",
    ".#.#..........####..........#.#.",
    ".#.#...........##...........#.#.",
    ".#.#...........##...........#.#.",
    ".#.#..........#..#..........#.#.",
    ".#.#..........#..#..........#.#.",
    ".#.#.........#....#.........#.#.",
    ".#.#........#......#........#.#.",
    ".#.#........#......#........#.#.",
    ".#.#.......#........#.......#.#.",
    ".#.#......#..........#......#.#.",
    ".#.#.....##############.....#.#.",
    ".#.#.....##############.....#.#.",
    ".#.#....################....#.#.",
    ".#.#...##################...#.#.",
    ".#.#...##################...#.#.",
    ".#.#..####################..#.#.",
    "################################",
    "################################",
};

constexpr int kSize = HourglassBitmap::kSize;

void set_bit(HourglassBitmap::Bits& bits, int x, int y)
{
    bits[static_cast<std::size_t>(y * kSize / 8 + x / 8)] |= static_cast<unsigned char>(1u << (x % 8));
}

HourglassBitmap::Bits build_image()
{
    HourglassBitmap::Bits bits{};
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            if (kHourglass[y][x] == '#')
                set_bit(bits, x, y);
    return bits;
}

HourglassBitmap::Bits build_mask(const HourglassBitmap::Bits& image)
{
    HourglassBitmap::Bits bits{};
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            if (!HourglassBitmap::is_set(image, x, y))
                continue;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx >= 0 && nx < kSize && ny >= 0 && ny < kSize)
                        set_bit(bits, nx, ny);
                }
        }
    return bits;
}

}  // namespace

const HourglassBitmap::Bits& HourglassBitmap::image()
{
    static const Bits bits = build_image();
    return bits;
}

const HourglassBitmap::Bits& HourglassBitmap::mask()
{
    static const Bits bits = build_mask(image());
    return bits;
}

bool HourglassBitmap::is_set(const Bits& bits, int x, int y)
{
    return (bits[static_cast<std::size_t>(y * kSize / 8 + x / 8)] >> (x % 8)) & 1u;
}
