#pragma once

#include <QImage>
#include <cstdint>

#include "platform/Picture.h"

namespace tavrel::qt {

// What the dialog views share: sizes given in twips shown in pixels, and pictures as images.
int Pixels(int32_t twips);
QImage ToQImage(const Picture& picture);

}  // namespace tavrel::qt
