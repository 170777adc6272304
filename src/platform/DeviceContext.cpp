#include "platform/DeviceContext.h"

#include "platform/Raster.h"

namespace tavrel {

Rect DeviceContext::ClipBox() const {
    const Rect bounds = raster::Bounds(canvas_);
    return clip_ ? Intersect(*clip_, bounds) : bounds;
}

int32_t DeviceContext::Save() {
    saved_.push_back(clip_);
    return static_cast<int32_t>(saved_.size());
}

bool DeviceContext::Restore(int32_t level) {
    const int64_t count = static_cast<int64_t>(saved_.size());
    const int64_t target = level < 0 ? count + level + 1 : level;
    if (target < 1 || target > count) return false;
    clip_ = saved_[static_cast<size_t>(target - 1)];
    saved_.resize(static_cast<size_t>(target - 1));
    return true;
}

}  // namespace tavrel
