#include "support/SurfaceTesting.h"

#include <filesystem>

#include "platform/Raster.h"
#include "platform/qt/QtSurfaces.h"

namespace tavrel::testing {

std::shared_ptr<Surface> NewSurface(int32_t width, int32_t height, Color background) {
    auto surface = qt::MakeSurface(width, height);
    surface->BackColor(background);
    surface->Cls();
    return surface;
}

Color At(const Surface& surface, int32_t x, int32_t y) {
    return FromPixel(surface.Pixels().ScanLine(y)[x]);
}

int64_t Count(const Surface& surface, const Rect& area, Color color) {
    const Rect r = Intersect(area, raster::Bounds(surface.Pixels()));
    int64_t n = 0;
    for (int32_t y = r.top; y < r.bottom; ++y)
        for (int32_t x = r.left; x < r.right; ++x) n += At(surface, x, y) == color;
    return n;
}

std::vector<uint32_t> Snapshot(const Surface& surface) {
    const Canvas& c = surface.Pixels();
    std::vector<uint32_t> pixels;
    for (int32_t y = 0; y < c.PixelHeight(); ++y)
        pixels.insert(pixels.end(), c.ScanLine(y), c.ScanLine(y) + c.PixelWidth());
    return pixels;
}

Rect Difference(const Surface& surface, const std::vector<uint32_t>& before) {
    const std::vector<uint32_t> now = Snapshot(surface);
    const int32_t w = surface.Width();
    Rect box{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (size_t i = 0; i < now.size() && i < before.size(); ++i) {
        if (now[i] == before[i]) continue;
        const int32_t x = static_cast<int32_t>(i % w), y = static_cast<int32_t>(i / w);
        box = Rect{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                   std::max(box.bottom, y + 1)};
    }
    return box.IsEmpty() ? Rect{} : box;
}

std::string SaveForInspection(const Surface& surface, const std::string& sName) {
    const std::string path =
        (std::filesystem::temp_directory_path() / ("tavrel-" + sName + ".png")).string();
    (void)qt::SavePng(surface, path);
    return path;
}

Color IconColor(int32_t k) {
    return 0x00000000u | (uint32_t(k * 37 % 256) << 16) | (uint32_t(k * 11 % 256) << 8) | 0x40u;
}

std::shared_ptr<Surface> NewIconCache(int32_t width, int32_t icons, int32_t buttonHeight) {
    auto cache = NewSurface(width, 2 * buttonHeight + 32 * (icons + 1));
    cache->Box(0, 0, width - 1, buttonHeight - 1, kTestFaceColor, BoxFill::Filled);
    for (int32_t k = 1; k <= icons; ++k) {
        const int32_t y = 2 * buttonHeight + 32 * k;
        cache->Box(0, y, 31, y + 31, IconColor(k), BoxFill::Filled);
    }
    return cache;
}

}  // namespace tavrel::testing
