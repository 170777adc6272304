#pragma once

#include <QImage>
#include <memory>

#include "platform/Canvas.h"

namespace tavrel::qt {

// A canvas on a QImage: pixels in 32-bit RGB, text with QPainter in the surface's font.
std::unique_ptr<Canvas> MakeCanvas(int32_t width, int32_t height, uint32_t fillPixel);

// The QImage behind a canvas that MakeCanvas made, for showing it on a widget.
const QImage& CanvasImage(const Canvas& canvas);

}  // namespace tavrel::qt
