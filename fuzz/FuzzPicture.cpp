// Bytes of any kind offered to the picture loader, and what it accepts drawn into an icon slot.
#include <cstddef>
#include <cstdint>
#include <span>

#include "FuzzGui.h"
#include "platform/qt/QtPictureCodec.h"
#include "platform/qt/QtSurfaces.h"

using namespace tavrel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const qt::QtPictureCodec codec;
    static const auto slot = qt::MakeSurface(32, 32);
    const auto picture = codec.FromBytes(std::span(data, size));
    if (!picture.IsError()) slot->PaintPicture(picture.Value(), 0, 0, 32, 32);
    return 0;
}
