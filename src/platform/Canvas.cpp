#include "platform/Canvas.h"

#include <cstring>

namespace tavrel {

void Canvas::CopyRows(int32_t from, int32_t to, int32_t count) {
    const size_t bytes = static_cast<size_t>(PixelWidth()) * sizeof(uint32_t);
    // Rows are taken in an order that never overwrites a source row before it is read.
    for (int32_t i = 0; i < count; ++i) {
        const int32_t k = to > from ? count - 1 - i : i;
        std::memmove(ScanLine(to + k), ScanLine(from + k), bytes);
    }
}

}  // namespace tavrel
