#include "platform/qt/QtViews.h"

#include <cstring>

#include "platform/Surface.h"

namespace tavrel::qt {

int Pixels(int32_t twips) {
    return twips / kTwipsPerPixel;
}

QImage ToQImage(const Picture& picture) {
    const PixelImage* image = picture.Image();
    if (image == nullptr) return QImage();
    QImage out(image->width, image->height, QImage::Format_ARGB32);
    for (int y = 0; y < image->height; ++y)
        std::memcpy(out.scanLine(y), image->argb.data() + static_cast<size_t>(y) * image->width,
                    image->width * 4u);
    return out;
}

}  // namespace tavrel::qt
