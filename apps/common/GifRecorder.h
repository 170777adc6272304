#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Failure.h"
#include "platform/Surface.h"

namespace tavrel::apps {

// Collects frames of a surface and writes them as an animated GIF through giflib.
class GifRecorder {
public:
    // Hundredths of a second each frame is shown; GIF viewers do not show less than 2.
    static constexpr int kFrameDelay = 2;

    void AddFrame(const Surface& surface);
    int FrameCount() const { return static_cast<int>(frames_.size()); }
    ErrorOr<void> Write(const std::string& sPath) const;

private:
    struct Frame {
        int32_t width = 0;
        int32_t height = 0;
        std::vector<uint32_t> pixels;  // 0xAARRGGBB
    };
    std::vector<Frame> frames_;
};

}  // namespace tavrel::apps
