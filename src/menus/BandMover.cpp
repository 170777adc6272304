#include "menus/BandMover.h"

#include <algorithm>

#include "platform/Checked.h"
#include "platform/Gdi.h"
#include "platform/Rounding.h"

namespace tavrel {

BandMover::BandMover(Surface& picMenu, Surface& picCache, int32_t buttonHeight)
    : picMenu_(picMenu), picCache_(picCache), buttonHeight_(buttonHeight) {
    picMenu_.ScaleMode(ScaleUnit::Pixels);
    width_ = RoundHalfEven(picMenu_.ScaleWidth());
    height_ = RoundHalfEven(picMenu_.ScaleHeight());
}

void BandMover::Copy(int32_t fromRow, int32_t toRow, int32_t height) {
    BitBlt(picMenu_.hDC(), 0, toRow, width_, height, picMenu_.hDC(), 0, fromRow, SRCCOPY);
}

void BandMover::Fill(int32_t row, int32_t rows, int32_t limitTop, int32_t limitBottom) {
    const int64_t first = std::max<int64_t>(row, limitTop);
    const int64_t last = std::min<int64_t>(int64_t{row} + rows, limitBottom);
    const int32_t backgroundRow = checked::Add(buttonHeight_, 3);
    // The cache holds two background rows; a fill of more is made of several copies.
    for (int64_t r = first; r < last; r += 2) {
        const int32_t count = static_cast<int32_t>(std::min<int64_t>(2, last - r));
        BitBlt(picMenu_.hDC(), 0, static_cast<int32_t>(r), width_, count, picCache_.hDC(), 0,
               backgroundRow, SRCCOPY);
    }
}

}  // namespace tavrel
