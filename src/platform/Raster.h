#pragma once

#include <cstdint>

#include "platform/Canvas.h"
#include "platform/Rect.h"

// Pixel primitives on a canvas. Each clips to the canvas and to the given clip first and returns
// at once when nothing is left.
namespace tavrel::raster {

Rect Bounds(const Canvas& canvas);

void FillRect(Canvas& canvas, const Rect& area, uint32_t pixel, const Rect& clip);

// Copies w x h pixels from (sx, sy) of `src` to (x, y) of `dst`, limited to `clip` on the
// destination and to the source's bounds; overlapping copies on one canvas act as if through a
// temporary buffer.
void Copy(Canvas& dst, int32_t x, int32_t y, int32_t w, int32_t h, const Canvas& src, int32_t sx,
          int32_t sy, const Rect& clip);

// A line from (x1, y1) towards (x2, y2), the end point excluded.
void Line(Canvas& canvas, int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t pixel,
          const Rect& clip);

}  // namespace tavrel::raster
