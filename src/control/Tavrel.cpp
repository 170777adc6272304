#include "control/Tavrel.h"

#include "about/AboutTavrel.h"
#include "control/DesignIcon.h"
#include "control/DownloadTag.h"
#include "control/IconCache.h"
#include "control/SettingsKeys.h"
#include "control/TavrelConstants.h"
#include "items/BarCodes.h"
#include "platform/Checked.h"
#include "platform/Rounding.h"

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
    AboutTavrel about(host_, DesignIcon());
    return host_.ShowModalForm(about);
}

void Tavrel::TakeDefaultIcon() {
    if (picDefaultIcon_.IsEmpty()) picDefaultIcon_ = picControl_;
    picControl_ = Picture();
}

bool Tavrel::ProbeExtenderParent() {
    return !host_.AssignEmptyExtenderParent().IsError();
}

// --- pointer input -----------------------------------------------------------------------------

namespace {
constexpr int16_t kLeftButton = 1;
}  // namespace

int32_t Tavrel::MouseProcess(int16_t iMousePosition, float X, float Y, int32_t& lHitType) {
    int32_t lResult = 0;
    Step([&] {
        lResult = Require(oMenus_, "menus")
                      .MouseProcess(iMousePosition, RoundHalfEven(X), RoundHalfEven(Y), lHitType)
                      .ValueOr(0);
    });
    return lResult;
}

void Tavrel::OnSurfaceMouseDown(int16_t Button, int16_t /*Shift*/, float X, float Y) {
    if (!picMenu_->Enabled() || Button != kLeftButton) return;
    int32_t lHitType = 0;
    const int32_t r = MouseProcess(MousePosDown, X, Y, lHitType);
    if (lHitType == HitMenuButton && r > 0) MenuCur(r);
}

void Tavrel::OnSurfaceMouseMove(int16_t /*Button*/, int16_t /*Shift*/, float X, float Y) {
    if (!picMenu_->Enabled()) return;
    int32_t lHitType = 0;
    MouseProcess(MousePosMove, X, Y, lHitType);
}

void Tavrel::OnSurfaceMouseUp(int16_t Button, int16_t Shift, float X, float Y) {
    if (!picMenu_->Enabled() || Button != kLeftButton) return;
    int32_t lHitType = 0;
    const int32_t r = MouseProcess(MousePosUp, X, Y, lHitType);
    if (lHitType != HitMenuItem || r <= 0) return;
    OnSurfaceMouseMove(Button, Shift, X, Y);
    // The handler may change anything, menus included; what follows runs on what it left.
    int32_t lMenuItem = r;
    events_.MenuItemClick(lMenuCur_, lMenuItem);
    OnSurfaceMouseMove(0, 0, 0, 0);
}

void Tavrel::OnSurfaceDblClick() {
    Step([&] {
        const Host::PointL client = Unwrap(host_.ScreenToClient(Unwrap(host_.GetCursorPos())));
        OnSurfaceMouseDown(kLeftButton, 0, static_cast<float>(client.x),
                           static_cast<float>(client.y));
    });
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

// --- saved settings ----------------------------------------------------------------------------

namespace {

using namespace settings;

// Each write and read is a step of its own: one that fails is skipped and the rest goes on.
void Write(PropertyBag& bag, std::string_view sKey, const Variant& value, const Variant& vDefault) {
    Step([&] { Unwrap(bag.Write(sKey, value, vDefault)); });
}

// Reads convert to the type the setting has; a value that cannot be converted fails the step.
int32_t ReadInt32(PropertyBag& bag, std::string_view sKey, int32_t lDefault) {
    return Unwrap(conversion::ToInt32(Unwrap(bag.Read(sKey, lDefault))));
}
int16_t ReadInt16(PropertyBag& bag, std::string_view sKey, int16_t iDefault) {
    return Unwrap(conversion::ToInt16(Unwrap(bag.Read(sKey, iDefault))));
}
bool ReadBool(PropertyBag& bag, std::string_view sKey, bool bDefault) {
    return Unwrap(conversion::ToBool(Unwrap(bag.Read(sKey, bDefault))));
}
std::string ReadText(PropertyBag& bag, std::string_view sKey, const std::string& sDefault) {
    return Unwrap(conversion::ToText(Unwrap(bag.Read(sKey, sDefault))));
}
Picture ReadPicture(PropertyBag& bag, std::string_view sKey, const Picture& picDefault) {
    return Unwrap(conversion::ToPicture(Unwrap(bag.Read(sKey, picDefault))));
}

}  // namespace

void Tavrel::SaveSettings(PropertyBag& bag) {
    Write(bag, kEnabled, bEnabled_, false);
    Write(bag, kToolTipText, sToolTipText_, std::string());
    Write(bag, kWhatsThisHelpID, lWhatsThisHelpID_, int32_t{0});
    Write(bag, kMenusMax, lMenusMax_, int32_t{1});
    Write(bag, kMenuCur, lMenuCur_, int32_t{1});
    Write(bag, kMenuStartup, lMenuStartup_, int32_t{1});
    const int32_t rememberedMenu = lMenuCur_;
    for (lMenuCur_ = 1; lMenuCur_ <= lMenusMax_; ++lMenuCur_) {
        const int32_t m = lMenuCur_;
        VMenu* menu = CurrentMenu();
        if (menu == nullptr) continue;
        Write(bag, MenuKey(kMenuCaption, m), menu->Caption(), std::string(kMenuCaptionPrefix));
        Write(bag, MenuKey(kMenuItemsMax, m), menu->MenuItemCount(), int32_t{1});
        const int32_t rememberedItem = lMenuItemCur_;
        for (lMenuItemCur_ = 1; lMenuItemCur_ <= menu->MenuItemCount(); ++lMenuItemCur_) {
            const int32_t i = lMenuItemCur_;
            if (bIconsInBag_)
                Write(bag, ItemKey(kMenuItemIcon, m, i), MenuItemIcon(), Picture());
            else
                Write(bag, ItemKey(kMenuItemPictureURL, m, i), MenuItemPictureURL(), std::string());
            Write(bag, ItemKey(kMenuItemCaption, m, i), MenuItemCaption(),
                  std::string(kItemCaption));
            Write(bag, ItemKey(kMenuItemKey, m, i), MenuItemKey(), std::string());
            Write(bag, ItemKey(kMenuItemTag, m, i), MenuItemTag(), std::string());
        }
        lMenuItemCur_ = rememberedItem;
    }
    lMenuCur_ = rememberedMenu;
    Write(bag, kDefaultIcon, picDefaultIcon_, picDefaultIcon_);
    Write(bag, kWhatsThisHelpID, lWhatsThisHelpID_, int32_t{0});
    Write(bag, kToolTipText, sToolTipText_, std::string());
    Write(bag, kMousePointer, iMousePointer_, int16_t{0});
    Write(bag, kEnabled, bEnabled_, false);
    Write(bag, kAutoRedraw, bAutoRedraw_, false);
    Write(bag, kClipControls, bClipControls_, false);
}

void Tavrel::LoadSettings(PropertyBag& bag) {
    bInitialising_ = true;
    bIconsInBag_ = ProbeExtenderParent();
    Step([&] { picMenu_->BackColor(kBarBackground); });
    Step([&] { bEnabled_ = ReadBool(bag, kEnabled, false); });
    Step([&] { sToolTipText_ = ReadText(bag, kToolTipText, std::string()); });
    Step([&] { lWhatsThisHelpID_ = ReadInt32(bag, kWhatsThisHelpID, 0); });
    lMenuItemCur_ = 1;
    lMenuItemsMax_ = 1;
    Step([&] { picDefaultIcon_ = ReadPicture(bag, kDefaultIcon, Picture()); });
    TakeDefaultIcon();
    Step([&] {
        picCache_->Move(0, 0, picMenu_->Width(), kCacheHeightAfterResize);
        picCache_->BackColor(kBarBackground);
    });
    Step([&] { Require(oMenus_, "menus").ButtonHeight(kButtonHeight); });
    Step([&] { MenusMax(ReadInt32(bag, kMenusMax, 1)); });
    const int32_t M = lMenusMax_;
    for (int32_t m = 1; m <= M; ++m) {
        lMenuCur_ = m;
        MenuCur(m);
        Step([&] {
            sMenuCaption_ = ReadText(bag, MenuKey(kMenuCaption, m), kMenuCaptionPrefix);
            MenuCaption(sMenuCaption_);
        });
        Step([&] { MenuItemsMax(ReadInt32(bag, MenuKey(kMenuItemsMax, m), 1)); });
        const VMenu* menu = CurrentMenu();
        if (menu == nullptr) continue;
        const int32_t rememberedItem = lMenuItemCur_;
        for (lMenuItemCur_ = 1; lMenuItemCur_ <= menu->MenuItemCount(); ++lMenuItemCur_) {
            const int32_t i = lMenuItemCur_;
            if (bIconsInBag_)
                Step([&] {
                    MenuItemIcon(ReadPicture(bag, ItemKey(kMenuItemIcon, m, i), picDefaultIcon_));
                });
            else
                Step([&] {
                    MenuItemPictureURL(ReadText(bag, ItemKey(kMenuItemPictureURL, m, i), ""));
                });
            Step([&] {
                MenuItemCaption(ReadText(bag, ItemKey(kMenuItemCaption, m, i), kItemCaption));
            });
            Step([&] { MenuItemKey(ReadText(bag, ItemKey(kMenuItemKey, m, i), "")); });
            Step([&] { MenuItemTag(ReadText(bag, ItemKey(kMenuItemTag, m, i), "")); });
        }
        lMenuItemCur_ = rememberedItem;
    }
    Step([&] { lMenuCur_ = ReadInt32(bag, kMenuCur, 1); });
    MenuItemCur(1);
    Step([&] {
        lMenuStartup_ = ReadInt32(bag, kMenuStartup, 1);
        MenuStartup(lMenuStartup_);
        MenuCur(lMenuStartup_);
    });
    Step([&] { lWhatsThisHelpID_ = ReadInt32(bag, kWhatsThisHelpID, 0); });
    Step([&] { sToolTipText_ = ReadText(bag, kToolTipText, std::string()); });
    Step([&] { iMousePointer_ = ReadInt16(bag, kMousePointer, 0); });
    Step([&] { bEnabled_ = ReadBool(bag, kEnabled, false); });
    Step([&] { bAutoRedraw_ = ReadBool(bag, kAutoRedraw, false); });
    Step([&] { bClipControls_ = ReadBool(bag, kClipControls, false); });
    SetupCache();
    bInitialising_ = false;
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
