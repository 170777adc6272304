#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Rect.h"

namespace tavrel {

// The drawing state of one surface that the GDI-like calls work through: its pixels and the
// selected clip region, with the stack that SaveDC and RestoreDC keep.
class DeviceContext {
public:
    explicit DeviceContext(Canvas& canvas) : canvas_(canvas) {}
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    Canvas& Pixels() { return canvas_; }
    const Canvas& Pixels() const { return canvas_; }

    // Where drawing may happen: the canvas, narrowed by the selected clip region if any.
    Rect ClipBox() const;
    void SelectClip(std::optional<Rect> clip) { clip_ = clip; }
    bool HasClip() const { return clip_.has_value(); }

    // Returns the level of the saved state, from 1.
    int32_t Save();
    // A positive level restores that saved state; a negative one counts back from the latest.
    // False, and nothing changed, when no such state was saved.
    bool Restore(int32_t level);

private:
    Canvas& canvas_;
    std::optional<Rect> clip_;
    std::vector<std::optional<Rect>> saved_;
};

// A device-context handle; 0 (null) is no device context.
using HDC = DeviceContext*;

}  // namespace tavrel
