#pragma once

#include <cstdint>

namespace tavrel {

// A colour as the bar's settings carry it: 0x00BBGGRR, or a system colour given by its index
// with the top bit set (0x80000000 | index), resolved when something is drawn with it.
using Color = uint32_t;

// The system colours the bar uses, by their classic indices.
enum class SystemColorIndex : uint32_t {
    ButtonFace = 15,
    ButtonShadow = 16,  // also the bar's background
    ButtonText = 18,
    ButtonHighlight = 20,
    DarkShadow3D = 21,
    Light3D = 22,
};

constexpr uint32_t kSystemColorFlag = 0x80000000u;
constexpr Color SystemColor(SystemColorIndex index) {
    return kSystemColorFlag | static_cast<uint32_t>(index);
}

constexpr Color kWhite = 0x00FFFFFF;
constexpr Color kBlack = 0x00000000;

// The 0x00BBGGRR value of a colour; a system colour takes its value from the classic scheme.
// An unknown system index is a failing step.
Color ResolveColor(Color color);

// Pixel values as the surfaces store them: 0xAARRGGBB, opaque.
constexpr uint32_t ToPixel(Color bgr) {
    return 0xFF000000u | ((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | ((bgr >> 16) & 0xFFu);
}
constexpr Color FromPixel(uint32_t pixel) {
    return ((pixel & 0xFFu) << 16) | (pixel & 0xFF00u) | ((pixel >> 16) & 0xFFu);
}

}  // namespace tavrel
