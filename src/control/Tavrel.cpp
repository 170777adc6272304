#include "control/Tavrel.h"

#include "control/DesignIcon.h"
#include "control/DownloadTag.h"
#include "control/IconCache.h"
#include "control/TavrelConstants.h"
#include "items/BarCodes.h"
#include "platform/Checked.h"

namespace tavrel {

Tavrel::Tavrel(Host& host, TavrelEvents& events, std::shared_ptr<Surface> picMenu,
               std::shared_ptr<Surface> picCache)
    : host_(host),
      events_(events),
      picMenu_(std::move(picMenu)),
      picCache_(std::move(picCache)),
      picControl_(DesignIcon()) {
    // Items keep copying their icons from the slot rows after a resize leaves the cache 69 rows
    // high, so the cache keeps the pixels that a smaller height hides.
    picCache_->KeepHiddenPixels(true);
    picCache_->Visible(false);
    picCache_->SetResizeHandler([this] { Unwrap(OnCacheResize()); });
}

Tavrel::~Tavrel() {
    picCache_->SetResizeHandler(nullptr);
}

// --- lifecycle ----------------------------------------------------------------------------------

void Tavrel::OnCreate() {
    oMenus_ = std::make_unique<Menus>();
    oMenus_->Menu(picMenu_);
    oMenus_->Cache(picCache_);
}

void Tavrel::OnDestroy() {
    oMenus_.reset();
}

void Tavrel::InitDefaults() {
    bInitialising_ = true;
    bIconsInBag_ = ProbeExtenderParent();
    Step([&] { Require(oMenus_, "menus").ButtonHeight(kButtonHeight); });
    bEnabled_ = false;
    sToolTipText_.clear();
    lWhatsThisHelpID_ = 0;
    sMenuCaption_ = kMenuCaptionPrefix;
    sMenuItemCaption_ = kItemCaption;
    lMenuItemCur_ = 1;
    lMenuItemsMax_ = 1;
    TakeDefaultIcon();
    Step([&] {
        picCache_->Move(0, 0, picMenu_->Width(), kCacheHeightAfterResize);
        picCache_->BackColor(kBarBackground);
    });
    Step([&] { picMenu_->BackColor(kBarBackground); });
    MenusMax(1);
    MenuCur(1);
    MenuStartup(1);
    lWhatsThisHelpID_ = 0;
    sToolTipText_.clear();
    iMousePointer_ = 0;
    bEnabled_ = false;
    bAutoRedraw_ = false;
    bClipControls_ = false;
    SetupCache();
    bInitialising_ = false;
}

void Tavrel::OnResize() {
    Step([&] {
        picMenu_->ScaleMode(ScaleUnit::Pixels);
        picMenu_->Move(0, 0, host_.ClientWidth(), host_.ClientHeight());
    });
    Step([&] {
        picCache_->ScaleMode(ScaleUnit::Pixels);
        picCache_->Move(picCache_->Left(), picCache_->Top(), picMenu_->Width(),
                        kCacheHeightAfterResize);
    });
    Step([&] {
        if (Unwrap(host_.ExtenderWidth()) < kMinExtenderWidth)
            Unwrap(host_.SetExtenderWidth(kMinExtenderWidth));
    });
}

ErrorOr<void> Tavrel::OnShow() {
    return Attempt([&] {
        Unwrap(host_.SetExtenderWidth(checked::Add(Unwrap(host_.ExtenderWidth()), kShowNudge)));
        Unwrap(host_.SetExtenderWidth(checked::Sub(Unwrap(host_.ExtenderWidth()), kShowNudge)));
    });
}

void Tavrel::OnPaint() {
    if (bInitialising_) return;
    OnSurfacePaint();
}

void Tavrel::OnSurfacePaint() {
    if (!picMenu_->Visible()) return;
    Step([&] { Require(oMenus_, "menus").Paint(); });
}

ErrorOr<void> Tavrel::Refresh() {
    return Attempt([&] {
        Require(oMenus_, "menus");
        OnPaint();
    });
}

ErrorOr<void> Tavrel::ShowAboutBox() {
    return {};
}

void Tavrel::TakeDefaultIcon() {
    if (picDefaultIcon_.IsEmpty()) picDefaultIcon_ = picControl_;
    picControl_ = Picture();
}

bool Tavrel::ProbeExtenderParent() {
    return !host_.AssignEmptyExtenderParent().IsError();
}

// --- the icon cache -----------------------------------------------------------------------------

void Tavrel::SetupCache() {
    Step([&] { IconCache::Setup(*picCache_, Require(oMenus_, "menus")); });
}

ErrorOr<void> Tavrel::OnCacheResize() {
    return Attempt([&] { IconCache::DrawButtonFace(*picCache_); });
}

// --- the cursor ---------------------------------------------------------------------------------

VMenu* Tavrel::CurrentMenu() const {
    return oMenus_ ? oMenus_->Item(lMenuCur_) : nullptr;
}

MenuItem* Tavrel::CurrentItem() const {
    VMenu* menu = CurrentMenu();
    return menu ? menu->MenuItemItem(lMenuItemCur_) : nullptr;
}

void Tavrel::Refuse(const char* sMessage) {
    host_.Beep();
    host_.MessageBox(sMessage);
}

// --- the menu and item properties ---------------------------------------------------------------

void Tavrel::MenusMax(int32_t New_MenusMax) {
    const int32_t n = New_MenusMax;
    if (n < 0 || n > kMaxMenus) return Refuse(kMenusMaxRefusal);
    if (n > lMenusMax_) {
        const int32_t remembered = lMenuCur_;
        for (lMenuCur_ = lMenusMax_ + 1; lMenuCur_ <= n; ++lMenuCur_) {
            Step([&] { Require(oMenus_, "menus").Add("", lMenuCur_, picMenu_); });
            MenuCaption(kMenuCaptionPrefix + std::to_string(lMenuCur_));
            Step([&] { Require(CurrentMenu(), "menu").ImageCache(picCache_); });
            Step([&] {
                Require(CurrentMenu(), "menu").AddMenuItem(kItemCaption, 1, picDefaultIcon_);
            });
        }
        lMenuCur_ = remembered;
    }
    if (n < lMenusMax_) {
        for (int32_t i = lMenusMax_; i >= n + 1; --i) {
            Step([&] { Require(oMenus_, "menus").Delete(i); });
            if (n < lMenuCur_) MenuCur(n);
        }
    }
    lMenusMax_ = n;
    Step([&] { Require(oMenus_, "menus").NumberOfMenusChanged(true); });
    SetupCache();
    OnPaint();
    host_.NotifyPropertyChanged("MenusMax");
}

void Tavrel::MenuCur(int32_t New_MenuCur) {
    if (bDownloading_) return;
    lMenuCur_ = New_MenuCur;
    lMenuItemCur_ = 1;
    Step([&] { Require(oMenus_, "menus").MenuCur(New_MenuCur); });
    Step([&] { lMenuItemsMax_ = Require(CurrentMenu(), "menu").MenuItemCount(); });
    Step([&] { MenuCaption(Require(CurrentMenu(), "menu").Caption()); });
    host_.NotifyPropertyChanged("MenuCur");
}

void Tavrel::MenuStartup(int32_t New_MenuStartup) {
    lMenuStartup_ = New_MenuStartup;
    host_.NotifyPropertyChanged("MenuStartup");
}

void Tavrel::MenuCaption(const std::string& New_MenuCaption) {
    sMenuCaption_ = New_MenuCaption;
    Step([&] { Require(CurrentMenu(), "menu").Caption(New_MenuCaption); });
    OnPaint();
    host_.NotifyPropertyChanged("MenuCaption");
}

void Tavrel::MenuItemsMax(int32_t New_MenuItemsMax) {
    const int32_t n = New_MenuItemsMax;
    if (n < 0 || n > kMaxMenuItems) return Refuse(kMenuItemsMaxRefusal);
    const int32_t remembered = lMenuItemCur_;
    if (n > lMenuItemsMax_) {
        for (lMenuItemCur_ = lMenuItemsMax_ + 1; lMenuItemCur_ <= n; ++lMenuItemCur_) {
            Step([&] {
                Require(CurrentMenu(), "menu")
                    .AddMenuItem(kItemCaption, lMenuItemCur_, picDefaultIcon_);
            });
            MenuItemCaption(kItemCaption + std::to_string(lMenuItemCur_));
        }
        lMenuItemCur_ = remembered;
    }
    if (n < lMenuItemsMax_) {
        for (lMenuItemCur_ = lMenuItemsMax_; lMenuItemCur_ >= n + 1; --lMenuItemCur_)
            Step([&] { Require(CurrentMenu(), "menu").DeleteMenuItem(lMenuItemCur_); });
        lMenuItemCur_ = remembered;
        if (n < lMenuItemCur_) lMenuItemCur_ = n;
    }
    lMenuItemsMax_ = n;
    SetupCache();
    OnPaint();
    host_.NotifyPropertyChanged("MenuItemsMax");
}

void Tavrel::MenuItemCur(int32_t New_MenuItemCur) {
    if (bDownloading_) return;
    if (New_MenuItemCur < 0 || New_MenuItemCur > lMenuItemsMax_) return Refuse(kMenuItemCurRefusal);
    lMenuItemCur_ = New_MenuItemCur;
    host_.NotifyPropertyChanged("MenuItemCur");
}

std::string Tavrel::MenuItemCaption() {
    if (const MenuItem* item = CurrentItem()) sMenuItemCaption_ = item->Caption();
    return sMenuItemCaption_;
}

void Tavrel::MenuItemCaption(const std::string& New_MenuItemCaption) {
    Step([&] { Require(CurrentItem(), "item").Caption(New_MenuItemCaption); });
    sMenuItemCaption_ = New_MenuItemCaption;
    if (!bInitialising_) {
        Step([&] { picMenu_->Cls(); });
        OnPaint();
    }
    host_.NotifyPropertyChanged("MenuItemCaption");
}

Picture Tavrel::MenuItemIcon() const {
    const MenuItem* item = CurrentItem();
    return item ? item->Button() : Picture();
}

void Tavrel::MenuItemIcon(const Picture& New_MenuItemIcon) {
    Step([&] { Require(CurrentItem(), "item").Button(New_MenuItemIcon); });
    if (!bInitialising_) {
        SetupCache();
        OnPaint();
    }
    host_.NotifyPropertyChanged("MenuItemIcon");
}

std::string Tavrel::MenuItemPictureURL() const {
    const MenuItem* item = CurrentItem();
    return item ? item->PictureURL() : std::string();
}

void Tavrel::MenuItemPictureURL(const std::string& New_MenuItemPictureURL) {
    // A request for an item that does not exist is not made: its tag could name another item.
    if (MenuItem* item = CurrentItem()) {
        item->PictureURL(New_MenuItemPictureURL);
        (void)host_.RequestDownload(New_MenuItemPictureURL, Host::DownloadKind::Picture,
                                    MakeDownloadTag(lMenuCur_, lMenuItemCur_));
    }
    host_.NotifyPropertyChanged("MenuItemPictureURL");
}

std::string Tavrel::MenuItemKey() const {
    const MenuItem* item = CurrentItem();
    return item ? item->Key() : std::string();
}

void Tavrel::MenuItemKey(const std::string& New_MenuItemKey) {
    Step([&] { Require(CurrentItem(), "item").Key(New_MenuItemKey); });
    host_.NotifyPropertyChanged("MenuItemKey");
}

std::string Tavrel::MenuItemTag() const {
    const MenuItem* item = CurrentItem();
    return item ? item->Tag() : std::string();
}

void Tavrel::MenuItemTag(const std::string& New_MenuItemTag) {
    Step([&] { Require(CurrentItem(), "item").Tag(New_MenuItemTag); });
    host_.NotifyPropertyChanged("MenuItemTag");
}

void Tavrel::OnDownloadComplete(const std::string& sTag, const Picture& picture,
                                const std::string& sTarget) {
    bDownloading_ = true;
    const int32_t rememberedMenu = lMenuCur_, rememberedItem = lMenuItemCur_;
    const DownloadAddress address = DecodeDownloadTag(sTag);
    lMenuCur_ = address.lMenu;
    lMenuItemCur_ = address.lItem;
    // Only the answer to the item's latest request counts: an older one that arrives late
    // would otherwise put back a picture the application has replaced.
    const MenuItem* item = CurrentItem();
    if (item != nullptr && item->PictureURL() == sTarget && !picture.IsEmpty())
        MenuItemIcon(picture);
    lMenuCur_ = rememberedMenu;
    lMenuItemCur_ = rememberedItem;
    bDownloading_ = false;
}

// --- the simple stored properties ---------------------------------------------------------------

void Tavrel::WhatsThisHelpID(int32_t New_WhatsThisHelpID) {
    lWhatsThisHelpID_ = New_WhatsThisHelpID;
    host_.NotifyPropertyChanged("WhatsThisHelpID");
}

void Tavrel::ToolTipText(const std::string& New_ToolTipText) {
    sToolTipText_ = New_ToolTipText;
    host_.NotifyPropertyChanged("ToolTipText");
}

void Tavrel::MousePointer(int16_t New_MousePointer) {
    iMousePointer_ = New_MousePointer;
    host_.NotifyPropertyChanged("MousePointer");
}

void Tavrel::Enabled(bool New_Enabled) {
    bEnabled_ = New_Enabled;
    host_.EnableWindow(New_Enabled);
    picMenu_->Enabled(New_Enabled);
    host_.NotifyPropertyChanged("Enabled");
}

void Tavrel::ClipControls(bool New_ClipControls) {
    bClipControls_ = New_ClipControls;
    host_.NotifyPropertyChanged("ClipControls");
}

}  // namespace tavrel
