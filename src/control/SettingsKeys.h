#pragma once

#include <cstdint>
#include <string>

// The keys of the control's saved settings. Per-menu keys end in the menu number and per-item
// keys in the menu number and then the item number, in decimal, with nothing between: the
// caption of item 10 of menu 1 is "MenuItemCaption110".
namespace tavrel::settings {

inline constexpr const char* kEnabled = "Enabled";
inline constexpr const char* kToolTipText = "ToolTipText";
inline constexpr const char* kWhatsThisHelpID = "WhatsThisHelpID";
inline constexpr const char* kMenusMax = "MenusMax";
inline constexpr const char* kMenuCur = "MenuCur";
inline constexpr const char* kMenuStartup = "MenuStartup";
inline constexpr const char* kMenuCaption = "MenuCaption";
inline constexpr const char* kMenuItemsMax = "MenuItemsMax";
inline constexpr const char* kMenuItemIcon = "MenuItemIcon";
inline constexpr const char* kMenuItemPictureURL = "MenuItemPictureURL";
inline constexpr const char* kMenuItemCaption = "MenuItemCaption";
inline constexpr const char* kMenuItemKey = "MenuItemKey";
inline constexpr const char* kMenuItemTag = "MenuItemTag";
inline constexpr const char* kDefaultIcon = "MenuItemIcon0";
inline constexpr const char* kMousePointer = "MousePointer";
inline constexpr const char* kAutoRedraw = "AutoRedraw";
inline constexpr const char* kClipControls = "ClipControls";

inline std::string MenuKey(const char* sPrefix, int32_t lMenu) {
    return sPrefix + std::to_string(lMenu);
}
inline std::string ItemKey(const char* sPrefix, int32_t lMenu, int32_t lItem) {
    return sPrefix + std::to_string(lMenu) + std::to_string(lItem);
}

}  // namespace tavrel::settings
