// The busy cursor's two bitmaps, 32 x 32 with the hot spot at (15, 15): an
// hourglass in a frame, and a mask that is the same shape thickened by one
// pixel so the cursor stays visible on any background.
#pragma once

#include <array>

class HourglassBitmap {
public:
    static constexpr int kSize = 32;
    static constexpr int kHotX = 15;
    static constexpr int kHotY = 15;
    static constexpr int kBytes = kSize * kSize / 8;
    using Bits = std::array<unsigned char, kBytes>;

    // XBM data: rows of four bytes, least significant bit leftmost.
    static const Bits& image();
    static const Bits& mask();

    static bool is_set(const Bits& bits, int x, int y);
};
