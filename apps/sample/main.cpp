// Renders a sample bar to a PNG file: a quick look at what the engine draws.
#include <cstdio>
#include <string>

#include "items/BarCodes.h"
#include "menus/Menus.h"
#include "platform/Gdi.h"
#include "platform/qt/OffscreenGui.h"
#include "platform/qt/QtSurfaces.h"

using namespace tavrel;

namespace {

constexpr int32_t kWidth = 120, kHeight = 300, kButtonHeight = 18;

// Stands in for the control's icon cache: a caption-button face, background, and a simple
// coloured square per item.
std::shared_ptr<Surface> SampleCache(int32_t icons) {
    auto cache = qt::MakeSurface(kWidth, 68 + 32 * icons);
    cache->BackColor(kBarBackground);
    cache->Cls();
    DrawEdge(cache->hDC(), Rect{0, 0, kWidth, kButtonHeight}, EDGE_RAISED,
             BF_RECT | BF_MIDDLE | BF_SOFT);
    const Color colors[] = {0x0000A0FF, 0x0040C040, 0x00FF8040, 0x004040E0, 0x00C040C0};
    for (int32_t i = 1; i <= icons; ++i) {
        const int32_t y = 68 + 32 * (i - 1);
        cache->Box(4, y + 4, 27, y + 27, colors[i % 5], BoxFill::Filled);
        cache->Box(4, y + 4, 27, y + 27, kBlack, BoxFill::Outline);
    }
    return cache;
}

}  // namespace

int main(int argc, char** argv) {
    qt::OffscreenGui gui(argc, argv);
    const std::string path = argc > 1 ? argv[1] : "sample-bar.png";

    auto bar = qt::MakeSurface(kWidth, kHeight);
    bar->BackColor(kBarBackground);
    bar->Cls();
    const int32_t itemCounts[] = {6, 2, 3};
    auto cache = SampleCache(6 + 2 + 3);

    Menus menus;
    menus.Menu(bar);
    menus.Cache(cache);
    menus.ButtonHeight(kButtonHeight);
    for (int32_t m = 1; m <= 3; ++m) {
        VMenu& menu = menus.Add("Menu" + std::to_string(m), m, bar);
        menu.ImageCache(cache);
        for (int32_t i = 1; i <= itemCounts[m - 1]; ++i)
            menu.AddMenuItem("Item " + std::to_string(i), i, Picture());
    }
    menus.MenuCur(1);
    menus.NumberOfMenusChanged(true);
    menus.Paint();
    int32_t hit = 0;
    (void)menus.MouseProcess(MousePosMove, kWidth / 2, 64 + 32 + 5, hit);  // hover item 2

    if (qt::SavePng(*bar, path).IsError()) {
        std::fprintf(stderr, "tavrel-sample: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}
