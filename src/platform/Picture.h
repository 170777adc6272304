#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace tavrel {

// Decoded pixels of a picture, 0xAARRGGBB per pixel, not premultiplied, row after row.
struct PixelImage {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> argb;
};

// The largest picture the bar takes in: anything bigger is refused before it is decoded.
constexpr int32_t kMaxPictureSide = 8192;
constexpr int64_t kMaxPicturePixels = int64_t{4096} * 4096;
bool IsAcceptablePictureSize(int64_t width, int64_t height);

// A shared, immutable reference to a picture; it may be empty (no picture).
class Picture {
public:
    Picture() = default;
    explicit Picture(PixelImage image);

    bool IsEmpty() const { return image_ == nullptr; }
    int32_t Width() const { return image_ ? image_->width : 0; }
    int32_t Height() const { return image_ ? image_->height : 0; }
    const PixelImage* Image() const { return image_.get(); }

    // Two references are equal when they refer to the same picture object.
    bool operator==(const Picture& other) const { return image_ == other.image_; }

private:
    std::shared_ptr<const PixelImage> image_;
};

}  // namespace tavrel
