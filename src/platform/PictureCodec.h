#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/Failure.h"
#include "platform/Picture.h"

namespace tavrel {

// Reads and writes pictures: ICO, BMP, PNG, GIF and JPEG in, PNG out. A picture whose size is
// absurd, or bytes that are no picture, give a Failure naming the reason.
class PictureCodec {
public:
    virtual ~PictureCodec() = default;
    virtual ErrorOr<Picture> FromFile(const std::string& sPath) const = 0;
    virtual ErrorOr<Picture> FromBytes(std::span<const uint8_t> bytes) const = 0;
    virtual ErrorOr<std::vector<uint8_t>> ToPng(const Picture& picture) const = 0;
};

}  // namespace tavrel
