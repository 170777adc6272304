// Renders a sample bar to a PNG file: a quick look at what the engine draws.
#include <cstdio>
#include <string>

#include "items/BarCodes.h"
#include "items/MenuItem.h"
#include "platform/Gdi.h"
#include "platform/qt/OffscreenGui.h"
#include "platform/qt/QtSurfaces.h"

using namespace tavrel;

int main(int argc, char** argv) {
    qt::OffscreenGui gui(argc, argv);
    const std::string path = argc > 1 ? argv[1] : "sample-bar.png";
    constexpr int32_t kWidth = 120, kHeight = 300, kButtonHeight = 18, kItems = 4;

    auto bar = qt::MakeSurface(kWidth, kHeight);
    bar->BackColor(kBarBackground);
    bar->Cls();
    auto cache = qt::MakeSurface(kWidth, 68 + 32 * kItems);
    cache->BackColor(kBarBackground);
    cache->Cls();
    for (int32_t i = 1; i <= kItems; ++i) {
        const int32_t y = 2 * kButtonHeight + 32 * i;
        const Color colors[] = {0x0000A0FF, 0x0040C040, 0x00FF8040, 0x004040E0};
        cache->Box(4, y + 4, 27, y + 27, colors[i - 1], BoxFill::Filled);
        cache->Box(4, y + 4, 27, y + 27, kBlack, BoxFill::Outline);
    }
    DrawEdge(bar->hDC(), Rect{0, 0, kWidth, kButtonHeight}, EDGE_RAISED,
             BF_RECT | BF_MIDDLE | BF_SOFT);
    bar->ForeColor(SystemColor(SystemColorIndex::ButtonText));
    bar->CurrentX(kWidth / 2 - static_cast<int32_t>(bar->TextWidth("Menu1")) / 2);
    bar->CurrentY(2);
    bar->Print("Menu1");

    for (int32_t i = 1; i <= kItems; ++i) {
        MenuItem item;
        item.Caption("Item " + std::to_string(i));
        item.Index(i);
        item.ButtonHeight(kButtonHeight);
        item.Parent(bar);
        item.Cache(cache);
        item.PaintButton(1, 0, 1, kHeight);
        if (i == 2) item.HitTest(MousePosMove, item.Left(), item.Top());
    }
    if (qt::SavePng(*bar, path).IsError()) {
        std::fprintf(stderr, "tavrel-sample: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}
