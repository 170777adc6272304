#include "platform/Picture.h"

#include <cassert>
#include <utility>

namespace tavrel {

bool IsAcceptablePictureSize(int64_t width, int64_t height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

Picture::Picture(PixelImage image) {
    assert(IsAcceptablePictureSize(image.width, image.height) &&
           image.argb.size() == static_cast<size_t>(image.width) * image.height &&
           "a picture is built only from pixels that a loader has checked");
    image_ = std::make_shared<const PixelImage>(std::move(image));
}

}  // namespace tavrel
