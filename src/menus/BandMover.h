#pragma once

#include <cstdint>

#include "platform/Rect.h"
#include "platform/Surface.h"

namespace tavrel {

// The one drawing operation of the bar's animations: full-width bands of the visible surface
// copied onto itself, and rows filled with background taken from the icon cache. Rows outside
// the surface, as source or destination, are not copied.
class BandMover {
public:
    // Sets the visible surface to pixels and takes its size; the icon cache holds background in
    // rows buttonHeight + 3 and + 4.
    BandMover(Surface& picMenu, Surface& picCache, int32_t buttonHeight);

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }

    void Copy(int32_t fromRow, int32_t toRow, int32_t height);
    // Fills `rows` rows (1 or 2) from row `row` with background, but none outside
    // [limitTop, limitBottom).
    void Fill(int32_t row, int32_t rows, int32_t limitTop = INT32_MIN,
              int32_t limitBottom = INT32_MAX);
    // A frame is complete: whoever shows the surface may show it now.
    void Present() { picMenu_.PresentFrame(); }

private:
    Surface& picMenu_;
    Surface& picCache_;
    int32_t width_ = 0;
    int32_t height_ = 0;
    int32_t buttonHeight_;
};

}  // namespace tavrel
