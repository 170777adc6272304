#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "control/TavrelEvents.h"
#include "menus/Menus.h"
#include "platform/Failure.h"
#include "platform/Host.h"
#include "platform/Picture.h"
#include "platform/PropertyBag.h"
#include "platform/Surface.h"

namespace tavrel {

// The navigation bar control: the one object a host sees. It owns the visible surface picMenu,
// the off-screen icon cache picCache and the Menus collection, and reaches menus and items
// through its cursor, MenuCur and MenuItemCur: MenuCaption and MenuItemsMax act on the current
// menu, the MenuItem... properties on its current item.
//
// The host calls OnCreate first, then InitDefaults (or LoadSettings), then resize, show and paint
// notifications as it pleases, and OnDestroy last.
class Tavrel {
public:
    // The property pages, in the order the control lists them.
    static constexpr std::array<const char*, 3> kPropertyPages = {"Menues", "MenuObjects",
                                                                  "MenuItemObjects"};

    Tavrel(Host& host, TavrelEvents& events, std::shared_ptr<Surface> picMenu,
           std::shared_ptr<Surface> picCache);
    ~Tavrel();
    Tavrel(const Tavrel&) = delete;
    Tavrel& operator=(const Tavrel&) = delete;

    // --- entry points ---------------------------------------------------------------------------
    void OnCreate();
    void InitDefaults();
    void OnResize();
    // Nudges the extender's width and back, so that the host resizes the control twice.
    // Stops at its first failure (a host without "Width") and reports it.
    ErrorOr<void> OnShow();
    void OnPaint();
    void OnSurfacePaint();
    // A picture requested under `sTag` for the location `sTarget` has arrived.
    void OnDownloadComplete(const std::string& sTag, const Picture& picture,
                            const std::string& sTarget);
    // The cache's size changed: its button face is drawn again. Reports a failure.
    ErrorOr<void> OnCacheResize();
    void OnDestroy();

    // --- pointer input on picMenu ---------------------------------------------------------------
    // Button: 1 left, 2 right, 4 middle (for a move, the buttons held); X and Y in pixels.
    void OnSurfaceMouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void OnSurfaceMouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void OnSurfaceMouseUp(int16_t Button, int16_t Shift, float X, float Y);
    // Stands in for the second press of a double-click, at the pointer's position.
    void OnSurfaceDblClick();

    // --- saved settings -------------------------------------------------------------------------
    void SaveSettings(PropertyBag& bag);
    void LoadSettings(PropertyBag& bag);

    // --- the menu and item properties -----------------------------------------------------------
    int32_t MenusMax() const { return lMenusMax_; }
    void MenusMax(int32_t New_MenusMax);
    int32_t MenuCur() const { return lMenuCur_; }
    void MenuCur(int32_t New_MenuCur);
    int32_t MenuStartup() const { return lMenuStartup_; }
    void MenuStartup(int32_t New_MenuStartup);
    const std::string& MenuCaption() const { return sMenuCaption_; }
    void MenuCaption(const std::string& New_MenuCaption);
    int32_t MenuItemsMax() const { return lMenuItemsMax_; }
    void MenuItemsMax(int32_t New_MenuItemsMax);
    int32_t MenuItemCur() const { return lMenuItemCur_; }
    void MenuItemCur(int32_t New_MenuItemCur);
    // The current item's caption, which the getter also keeps as the last one read.
    std::string MenuItemCaption();
    void MenuItemCaption(const std::string& New_MenuItemCaption);
    Picture MenuItemIcon() const;
    void MenuItemIcon(const Picture& New_MenuItemIcon);
    std::string MenuItemPictureURL() const;
    void MenuItemPictureURL(const std::string& New_MenuItemPictureURL);
    std::string MenuItemKey() const;
    void MenuItemKey(const std::string& New_MenuItemKey);
    std::string MenuItemTag() const;
    void MenuItemTag(const std::string& New_MenuItemTag);

    // Rebuilds the icon cache.
    void SetupCache();

    // --- the simple stored properties -----------------------------------------------------------
    int32_t WhatsThisHelpID() const { return lWhatsThisHelpID_; }
    void WhatsThisHelpID(int32_t New_WhatsThisHelpID);
    const std::string& ToolTipText() const { return sToolTipText_; }
    void ToolTipText(const std::string& New_ToolTipText);
    int16_t MousePointer() const { return iMousePointer_; }
    void MousePointer(int16_t New_MousePointer);
    bool Enabled() const { return bEnabled_; }
    // The only one applied: the control's window and picMenu take no pointer input while False.
    void Enabled(bool New_Enabled);
    bool ClipControls() const { return bClipControls_; }
    void ClipControls(bool New_ClipControls);

    // Forces a complete repaint.
    ErrorOr<void> Refresh();
    ErrorOr<void> ShowAboutBox();

    // --- state a host or a test may look at -----------------------------------------------------
    const Picture& DefaultIcon() const { return picDefaultIcon_; }
    // The control's own picture, which it never shows as a background.
    const Picture& ControlPicture() const { return picControl_; }
    bool Initialising() const { return bInitialising_; }
    bool IconsInBag() const { return bIconsInBag_; }
    const std::shared_ptr<Surface>& picMenu() const { return picMenu_; }
    const std::shared_ptr<Surface>& picCache() const { return picCache_; }
    Menus* oMenus() { return oMenus_.get(); }

private:
    MenuItem* CurrentItem() const;
    VMenu* CurrentMenu() const;
    // Beeps and shows the refusal; the setter then stops.
    void Refuse(const char* sMessage);
    // One call into the menu stack; a reported failure counts as nothing hit.
    int32_t MouseProcess(int16_t iMousePosition, float X, float Y, int32_t& lHitType);
    void TakeDefaultIcon();
    bool ProbeExtenderParent();

    Host& host_;
    TavrelEvents& events_;
    std::shared_ptr<Surface> picMenu_;
    std::shared_ptr<Surface> picCache_;
    Picture picControl_;

    std::unique_ptr<Menus> oMenus_;
    int32_t lMenusMax_ = 0;
    int32_t lMenuCur_ = 0;
    int32_t lMenuStartup_ = 0;
    std::string sMenuCaption_;
    std::string sMenuItemCaption_;
    Picture picDefaultIcon_;
    int32_t lMenuItemsMax_ = 0;
    int32_t lMenuItemCur_ = 0;
    bool bInitialising_ = false;
    bool bDownloading_ = false;
    bool bIconsInBag_ = false;
    int32_t lWhatsThisHelpID_ = 0;
    std::string sToolTipText_;
    int16_t iMousePointer_ = 0;
    bool bEnabled_ = false;
    bool bAutoRedraw_ = false;
    bool bClipControls_ = false;
};

}  // namespace tavrel
