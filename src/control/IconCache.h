#pragma once

#include "menus/Menus.h"
#include "platform/Surface.h"

namespace tavrel {

// Builds the off-screen icon cache the bar copies from: the caption-button face, rows of
// background, and every item's icon scaled once to 32 x 32, one slot per item of every menu in
// menu order.
class IconCache {
public:
    // A raised soft edge with its middle filled, across the full width, 18 rows high.
    static void DrawButtonFace(Surface& picCache);
    // Rebuilds the whole cache; an item whose icon is empty or cannot be drawn leaves its slot
    // in the background colour.
    static void Setup(Surface& picCache, Menus& oMenus);
};

}  // namespace tavrel
