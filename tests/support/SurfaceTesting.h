#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Color.h"
#include "platform/Rect.h"
#include "platform/Surface.h"

namespace tavrel::testing {

// A real pixel surface, cleared to `background`.
std::shared_ptr<Surface> NewSurface(int32_t width, int32_t height,
                                    Color background = SystemColor(SystemColorIndex::ButtonShadow));

// The resolved colour (0x00BBGGRR) of a pixel.
Color At(const Surface& surface, int32_t x, int32_t y);

// How many pixels of `area` have exactly `color`.
int64_t Count(const Surface& surface, const Rect& area, Color color);
inline bool AllAre(const Surface& surface, const Rect& area, Color color) {
    return Count(surface, area, color) == area.Width() * area.Height();
}

// Every pixel, for comparing two pictures.
std::vector<uint32_t> Snapshot(const Surface& surface);
// The rectangle around every pixel that differs between two snapshots of one surface size;
// empty when they are the same.
Rect Difference(const Surface& surface, const std::vector<uint32_t>& before);

// Writes the surface to a PNG in the temporary folder and returns its path, so that a failing
// test can name a picture to look at.
std::string SaveForInspection(const Surface& surface, const std::string& sName);

// The colour the test icon cache gives icon number k.
Color IconColor(int32_t k);
// An icon cache as the bar expects it: a button face in rows 0 to ButtonHeight - 1, background
// below, and icon k (k = 1 ... icons) a block of IconColor(k) at y = 2 x ButtonHeight + 32 x k.
std::shared_ptr<Surface> NewIconCache(int32_t width, int32_t icons, int32_t buttonHeight = 18);
constexpr Color kTestFaceColor = 0x00D0C0B0;

}  // namespace tavrel::testing
