#include "control/IconCache.h"

#include "control/TavrelConstants.h"
#include "platform/Checked.h"
#include "platform/Gdi.h"
#include "platform/Rounding.h"

namespace tavrel {

void IconCache::DrawButtonFace(Surface& picCache) {
    const Rect face{0, 0, RoundHalfEven(picCache.ScaleWidth()), kButtonHeight};
    if (!DrawEdge(picCache.hDC(), face, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_SOFT))
        Fail("cannot draw the button face");
}

void IconCache::Setup(Surface& picCache, Menus& oMenus) {
    Step([&] { picCache.Cls(); });
    Step([&] { DrawButtonFace(picCache); });
    const int32_t N = oMenus.TotalMenuItems();
    picCache.ScaleMode(ScaleUnit::Pixels);
    // Resizing draws the face again through the cache's resize handler.
    Step([&] {
        picCache.Height(checked::Add(checked::Mul(checked::Add(N, 1), kCacheSlotHeight), 36));
    });
    int32_t i = 0;
    for (int32_t m = 1; m <= oMenus.Count(); ++m) {
        VMenu& menu = *oMenus.Item(m);
        for (int32_t k = 1; k <= menu.MenuItemCount(); ++k) {
            ++i;
            Step([&] {
                const Picture& icon = Require(menu.MenuItemItem(k), "item").Button();
                picCache.PaintPicture(icon, 0, kCacheSlotTop + kCacheSlotHeight * (i - 1), 32, 32);
            });
        }
    }
}

}  // namespace tavrel
