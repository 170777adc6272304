#pragma once

#include <cstdint>

namespace tavrel {

// The caption-button height every menu, item and arrow of the bar receives.
constexpr int32_t kButtonHeight = 18;

constexpr int32_t kMaxMenus = 6;
constexpr int32_t kMaxMenuItems = 10;

// The control is never narrower than this, in the host's units (twips).
constexpr int32_t kMinExtenderWidth = 1320;
// OnShow nudges the extender by this much and back, so that the host resizes twice.
constexpr int32_t kShowNudge = 20;

// The icon cache: the button face in rows 0 to 17, background below, and from row 68 one
// 32-pixel slot per item of every menu. A resize of the control leaves it 69 rows high.
constexpr int32_t kCacheSlotTop = 2 * kButtonHeight + 32;
constexpr int32_t kCacheSlotHeight = 32;
constexpr int32_t kCacheHeightAfterResize = 69;

// Refusals of the count and cursor setters.
inline constexpr const char* kMenusMaxRefusal = "MenusMax must be between 0 and 6";
inline constexpr const char* kMenuItemsMaxRefusal = "MenuItemsMax must be between 0 and 10";
inline constexpr const char* kMenuItemCurRefusal =
    "The current item must be between 0 and MenuItemsMax";

// Captions the control gives the menus and items it creates.
inline constexpr const char* kMenuCaptionPrefix = "Menu";
inline constexpr const char* kItemCaption = "Item";

}  // namespace tavrel
