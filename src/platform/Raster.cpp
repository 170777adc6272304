#include "platform/Raster.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace tavrel::raster {

Rect Bounds(const Canvas& canvas) {
    return Rect{0, 0, canvas.PixelWidth(), canvas.PixelHeight()};
}

void FillRect(Canvas& canvas, const Rect& area, uint32_t pixel, const Rect& clip) {
    const Rect r = Intersect(Intersect(area, clip), Bounds(canvas));
    if (r.IsEmpty()) return;
    for (int32_t y = r.top; y < r.bottom; ++y) {
        uint32_t* row = canvas.ScanLine(y);
        std::fill(row + r.left, row + r.right, pixel);
    }
}

void Copy(Canvas& dst, int32_t x, int32_t y, int32_t w, int32_t h, const Canvas& src, int32_t sx,
          int32_t sy, const Rect& clip) {
    if (w <= 0 || h <= 0) return;
    // Work in 64 bits: positions near the 32-bit limits must clip, not wrap.
    const int64_t dx = int64_t{sx} - x;
    const int64_t dy = int64_t{sy} - y;
    int64_t left = x, top = y, right = int64_t{x} + w, bottom = int64_t{y} + h;
    const Rect d = Intersect(clip, Bounds(dst));
    left = std::max<int64_t>(left, d.left);
    top = std::max<int64_t>(top, d.top);
    right = std::min<int64_t>(right, d.right);
    bottom = std::min<int64_t>(bottom, d.bottom);
    // The same rectangle seen from the source, clipped to the source's bounds.
    left = std::max<int64_t>(left, -dx);
    top = std::max<int64_t>(top, -dy);
    right = std::min<int64_t>(right, src.PixelWidth() - dx);
    bottom = std::min<int64_t>(bottom, src.PixelHeight() - dy);
    if (right <= left || bottom <= top) return;

    // Whole rows within one canvas: the canvas moves them its own way (the animations' bands).
    if (&dst == &src && left == 0 && dx == 0 && right == dst.PixelWidth()) {
        dst.CopyRows(static_cast<int32_t>(top + dy), static_cast<int32_t>(top),
                     static_cast<int32_t>(bottom - top));
        return;
    }
    const size_t bytes = static_cast<size_t>(right - left) * sizeof(uint32_t);
    const bool bSameCanvas = &dst == &src;
    // Rows are taken in an order that never overwrites a source row before it is read.
    const bool bBottomUp = bSameCanvas && dy < 0;
    for (int64_t i = 0; i < bottom - top; ++i) {
        const int32_t row = static_cast<int32_t>(bBottomUp ? bottom - 1 - i : top + i);
        uint32_t* to = dst.ScanLine(row) + left;
        const uint32_t* from = src.ScanLine(static_cast<int32_t>(row + dy)) + (left + dx);
        std::memmove(to, from, bytes);
    }
}

void Line(Canvas& canvas, int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t pixel,
          const Rect& clip) {
    const Rect r = Intersect(clip, Bounds(canvas));
    if (r.IsEmpty()) return;
    if (y1 == y2) {  // the common case: one row
        const int32_t from = x1 < x2 ? x1 : x2 + 1;
        const int32_t to = x1 < x2 ? x2 : x1 + 1;
        FillRect(canvas, Rect{from, y1, to, y1 + 1}, pixel, r);
        return;
    }
    if (x1 == x2) {
        const int32_t from = y1 < y2 ? y1 : y2 + 1;
        const int32_t to = y1 < y2 ? y2 : y1 + 1;
        FillRect(canvas, Rect{x1, from, x1 + 1, to}, pixel, r);
        return;
    }
    int64_t x = x1, y = y1;
    const int64_t ddx = std::llabs(int64_t{x2} - x1), ddy = -std::llabs(int64_t{y2} - y1);
    const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    int64_t err = ddx + ddy;
    while (x != x2 || y != y2) {
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom)
            canvas.ScanLine(static_cast<int32_t>(y))[x] = pixel;
        const int64_t e2 = 2 * err;
        if (e2 >= ddy) {
            err += ddy;
            x += sx;
        }
        if (e2 <= ddx) {
            err += ddx;
            y += sy;
        }
    }
}

}  // namespace tavrel::raster
