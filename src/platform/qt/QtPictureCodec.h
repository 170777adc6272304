#pragma once

#include "platform/PictureCodec.h"

namespace tavrel::qt {

// Pictures through QImageReader and QImageWriter. An icon file gives its entry closest to
// 32 x 32 pixels, with its transparency.
class QtPictureCodec final : public PictureCodec {
public:
    ErrorOr<Picture> FromFile(const std::string& sPath) const override;
    ErrorOr<Picture> FromBytes(std::span<const uint8_t> bytes) const override;
    ErrorOr<std::vector<uint8_t>> ToPng(const Picture& picture) const override;
    // Any format Qt can write ("png", "bmp", "jpg", ...).
    ErrorOr<std::vector<uint8_t>> Encode(const Picture& picture, const char* sFormat) const;
};

}  // namespace tavrel::qt
