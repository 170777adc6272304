#include "platform/qt/QtSurfaces.h"

#include <QImage>
#include <QString>

#include "platform/Raster.h"
#include "platform/qt/QtCanvas.h"

namespace tavrel::qt {

std::shared_ptr<Surface> MakeSurface(int32_t width, int32_t height) {
    auto surface = std::make_shared<Surface>(MakeCanvas(0, 0, 0));
    surface->Move(0, 0, width, height);
    surface->Cls();
    return surface;
}

ErrorOr<void> SavePng(const Surface& surface, const std::string& sPath) {
    const Canvas& pixels = surface.Pixels();
    QImage image(pixels.PixelWidth(), pixels.PixelHeight(), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        std::copy_n(pixels.ScanLine(y), image.width(),
                    reinterpret_cast<uint32_t*>(image.scanLine(y)));
    if (!image.save(QString::fromStdString(sPath), "PNG")) return Failure{"cannot write " + sPath};
    return {};
}

}  // namespace tavrel::qt
