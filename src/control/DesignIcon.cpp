#include "control/DesignIcon.h"

#include <array>

namespace tavrel {

namespace {

// The 16-colour palette, 0xAARRGGBB.
constexpr std::array<uint32_t, 16> kPalette = {
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
    0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,
};

// One character per pixel: a palette index in hexadecimal, '.' transparent.
constexpr const char* kRows[32] = {
    "................................", "..0000000000000000000000000000..",
    "..0fffffffffffffffffffffffff80..", "..0f77777770707070707777777780..",
    "..0f77777777777777777777777780..", "..0f88888888888888888888888880..",
    "..0888888888888888888888888880..", "..0888888888888888888888888880..",
    "..0888888888bbbbbbbb8888888880..", "..0888888888b999999b8888888880..",
    "..0888888888b999999b8888888880..", "..0888888888b999999b8888888880..",
    "..0888888888b999999b8888888880..", "..0888888888bbbbbbbb8888888880..",
    "..0888888888888888888888888880..", "..088888888ffffffffff888888880..",
    "..0888888888888888888888888880..", "..0888888888aaaaaaaa8888888880..",
    "..0888888888a222222a8888888880..", "..0888888888a222222a8888888880..",
    "..0888888888a222222a8888888880..", "..0888888888a222222a8888888880..",
    "..0888888888aaaaaaaa8888888880..", "..0888888888888888888888888880..",
    "..088888888ffffffffff888888880..", "..0888888888888888888888888880..",
    "..0fffffffffffffffffffffffff80..", "..0f77777770707070707777777780..",
    "..0f77777777777777777777777780..", "..0f88888888888888888888888880..",
    "..0000000000000000000000000000..", "................................",
};

uint32_t PixelOf(char c) {
    if (c == '.') return 0x00000000;
    const int index = c <= '9' ? c - '0' : c - 'a' + 10;
    return kPalette[static_cast<size_t>(index)];
}

}  // namespace

Picture DesignIcon() {
    PixelImage image{32, 32, {}};
    image.argb.reserve(32 * 32);
    for (const char* row : kRows)
        for (int x = 0; x < 32; ++x) image.argb.push_back(PixelOf(row[x]));
    return Picture(std::move(image));
}

}  // namespace tavrel
