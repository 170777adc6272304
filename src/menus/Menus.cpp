#include "menus/Menus.h"

#include <algorithm>

#include "items/BarCodes.h"
#include "menus/BandMover.h"
#include "platform/Checked.h"
#include "platform/Gdi.h"
#include "platform/Rounding.h"

namespace tavrel {

using checked::Mul;
using checked::Sub;

namespace {

// Captions sit two pixels below the top of their button.
constexpr int32_t kCaptionTop = 2;
// An item scroll moves the band 2 pixels a frame, 64 in all: the distance between two items.
constexpr int32_t kScrollStep = 2;
constexpr int32_t kScrollFrames = kItemPitch / kScrollStep;

}  // namespace

VMenu& Menus::Add(std::string sCaption, int32_t lIndex, std::shared_ptr<Surface> picMenu) {
    auto menu = std::make_unique<VMenu>();
    menu->Caption(std::move(sCaption));
    menu->Index(lIndex);
    menu->Control(std::move(picMenu));
    menu->ButtonHeight(ButtonHeight_);
    return colMenus_.Insert(lIndex, std::move(menu));
}

void Menus::Delete(int32_t lIndex) {
    colMenus_.Remove(lIndex);
}

VMenu* Menus::Item(int32_t lIndex) {
    return colMenus_.Item(lIndex);
}

const VMenu* Menus::Item(int32_t lIndex) const {
    return colMenus_.Item(lIndex);
}

void Menus::MoveMenu(int32_t /*lCurIndex*/, int32_t /*lNewIndex*/) {}
void Menus::MoveMenuItem(int32_t /*lCurIndex*/, int32_t /*lNewIndex*/) {}

std::string Menus::Caption(int32_t lIndex) const {
    const VMenu* menu = Item(lIndex);
    return menu ? menu->Caption() : std::string();
}

void Menus::Caption(int32_t lIndex, std::string sNewValue) {
    if (VMenu* menu = Item(lIndex)) menu->Caption(std::move(sNewValue));
}

int32_t Menus::TotalMenuItems() const {
    int32_t total = 0;
    for (const auto& menu : colMenus_)
        Step([&] { total = checked::Add(total, menu->MenuItemCount()); });
    return total;
}

// --- layout -------------------------------------------------------------------------------------

int32_t Menus::SurfaceHeight() const {
    Surface& menu = Require(picMenu_, "bar surface");
    menu.ScaleMode(ScaleUnit::Pixels);
    return RoundHalfEven(menu.ScaleHeight());
}

void Menus::PositionMenuButtons() {
    for (const auto& menu : colMenus_) {
        Step([&] {
            const int32_t i = menu->Index();
            const int32_t top =
                i <= MenuCur_
                    ? Mul(Sub(i, 1), ButtonHeight_)
                    : Sub(SurfaceHeight(), Mul(checked::Add(Sub(Count(), i), 1), ButtonHeight_));
            Unwrap(menu->ButtonTop(top));
        });
    }
}

int32_t Menus::GetClipY() const {
    return Sub(SurfaceHeight(), Mul(Sub(Count(), MenuCur_), ButtonHeight_));
}

int32_t Menus::GetIconStart() const {
    int32_t start = 0;
    for (int32_t i = 1; i < MenuCur_ && i <= Count(); ++i)
        start = checked::Add(start, Item(i)->MenuItemCount());
    VMenu& open = Require(colMenus_.Item(MenuCur_), "open menu");
    return Sub(checked::Add(start, open.TopMenuItem()), 1);
}

void Menus::PaintCurrentItems() {
    Step([&] { OpenMenu().PaintItems(GetIconStart(), MenuCur_, GetClipY(), Count()); });
}

VMenu& Menus::OpenMenu() {
    return Require(Item(MenuCur_), "open menu");
}

// --- painting and hit testing -------------------------------------------------------------------

void Menus::Paint() {
    if (lMenuPainted_ == 0) lMenuPainted_ = MenuCur_;  // the first paint never slides
    if (lMenuPainted_ == MenuCur_)
        PaintMenuButtons();
    else if (lMenuPainted_ < MenuCur_)
        SlideMenusUp();
    else
        SlideMenusDown();
    PaintCurrentItems();
    PositionMenuButtons();
    lMenuPainted_ = MenuCur_;
}

void Menus::PaintMenuButtons() {
    const int32_t N = Count();
    if (bMenusChanged_) {
        Step([&] { Require(picMenu_, "bar surface").Cls(); });
        bMenusChanged_ = false;
    }
    if (N == 0 || picMenu_ == nullptr || picCache_ == nullptr) return;
    Surface& menu = *picMenu_;
    Surface& cache = *picCache_;
    Step([&] {
        menu.ScaleMode(ScaleUnit::Pixels);
        menu.ForeColor(kButtonCaptionColor);
        const int32_t W = RoundHalfEven(menu.ScaleWidth());
        const int32_t H = RoundHalfEven(menu.ScaleHeight());
        // One prepared face per button, copied from the cache; only the caption is drawn.
        const auto paintButton = [&](int32_t i, int32_t y) {
            BitBlt(menu.hDC(), 0, y, W, ButtonHeight_, cache.hDC(), 0, 0, SRCCOPY);
            const std::string sCaption = Require(Item(i), "menu").Caption();
            const int32_t T = RoundHalfEven(menu.TextWidth(sCaption));
            menu.CurrentX(W / 2 - T / 2);
            menu.CurrentY(checked::Add(y, kCaptionTop));
            menu.Print(sCaption);
        };
        // Only existing menus have buttons, whatever MenuCur holds.
        const int64_t C = MenuCur_;
        for (int32_t i = 1; i <= std::min<int64_t>(C, N); ++i)
            Step([&] { paintButton(i, Mul(i - 1, ButtonHeight_)); });
        // The bottom stack last, so that it covers the top stack where the two overlap.
        for (int32_t i = N; i >= std::max<int64_t>(C + 1, 1); --i)
            Step([&] { paintButton(i, Sub(H, Mul(checked::Add(Sub(N, i), 1), ButtonHeight_))); });
    });
}

int32_t Menus::IsMenuButtonClicked(int32_t ptX, int32_t ptY) const {
    for (const auto& menu : colMenus_)
        if (menu->IsMenuSelected(ptX, ptY)) return menu->Index();
    return 0;
}

ErrorOr<int32_t> Menus::MouseProcess(int16_t iMousePosition, int32_t X, int32_t Y,
                                     int32_t& lHitType) {
    return Attempt([&]() -> int32_t {
        int32_t lResult = 0;
        int32_t k = 0;
        if (iMousePosition == MousePosDown) {
            k = IsMenuButtonClicked(X, Y);
            if (k != 0) {
                lResult = k;
                lHitType = HitMenuButton;
            }
        }
        if (k == 0) {
            const int32_t r = OpenMenu().MenuItems().MouseProcess(iMousePosition, X, Y);
            if (iMousePosition == MousePosUp && r > 0) {
                lResult = r;
                lHitType = HitMenuItem;
            }
        }
        const int32_t d = OpenMenu().MouseProcessForArrows(iMousePosition, X, Y);
        if (d == ArrowClickUp) {
            ScrollUpOneItem();
            lHitType = HitScrollUp;
        } else if (d == ArrowClickDown) {
            ScrollDownOneItem();
            lHitType = HitScrollDown;
        }
        return lResult;
    });
}

// --- animations ---------------------------------------------------------------------------------

// The buttons of menus P + 1 to C move up from the bottom stack to the top stack, one pixel a
// frame, pushing the old menu's items out at the top of the item area.
void Menus::SlideMenusUp() {
    Step([&] {
        if (Count() == 0 || picMenu_ == nullptr || picCache_ == nullptr) return;
        BandMover band(*picMenu_, *picCache_, ButtonHeight_);
        const int32_t BH = ButtonHeight_, N = Count(), P = lMenuPainted_, C = MenuCur_;
        const int32_t H = band.Height();
        const int32_t Ytop = Mul(P, BH);               // first row below the old top stack
        const int32_t A = Sub(H, Mul(Sub(N, C), BH));  // first row of the new bottom stack
        const int32_t B = Sub(H, Mul(Sub(N, P), BH));  // first row of the old bottom stack
        int32_t k = 0;
        do {
            band.Copy(checked::Add(Ytop, 1), Ytop,
                      k == 0 ? Sub(Sub(A, Ytop), 1) : Sub(Sub(A, Ytop), k));
            if (k == 0) band.Fill(Sub(A, 1), 1);
            band.Present();
            ++k;
        } while (Sub(B, checked::Add(k, 1)) > Ytop);
        band.Copy(Sub(B, k), Ytop, Sub(Sub(A, Ytop), k));
    });
}

// The buttons of menus C + 1 to P move down from the top stack to the bottom stack, one pixel a
// frame, pushing the old menu's items out at the bottom of the item area.
void Menus::SlideMenusDown() {
    Step([&] {
        if (Count() == 0 || picMenu_ == nullptr || picCache_ == nullptr) return;
        BandMover band(*picMenu_, *picCache_, ButtonHeight_);
        const int32_t BH = ButtonHeight_, N = Count(), P = lMenuPainted_, C = MenuCur_;
        const int32_t H = band.Height();
        const int32_t Yc = Mul(C, BH);                 // first row of menu C + 1's button
        const int32_t Yp = Mul(P, BH);                 // first row below the old top stack
        const int32_t B = Sub(H, Mul(Sub(N, P), BH));  // first row of the old bottom stack
        int32_t k = 0;
        do {
            const int32_t s = k == 0 ? Yc : Sub(checked::Add(Yc, k), 1);
            band.Copy(s, checked::Add(s, 1), Sub(Sub(B, 1), s));
            if (k == 0) band.Fill(Yc, 1);
            band.Present();
            ++k;
        } while (checked::Add(Yp, k) < B);
        const int32_t moving = Mul(Sub(P, C), BH);
        band.Copy(Sub(checked::Add(Yc, k), 1), Sub(Sub(B, moving), 1), checked::Add(moving, 1));
    });
}

void Menus::ScrollUpOneItem() {
    ScrollOneItem(ArrowClickUp);
}
void Menus::ScrollDownOneItem() {
    ScrollOneItem(ArrowClickDown);
}

// The open menu's items move by one item, two pixels a frame; nothing outside the item area
// changes. Then the items are painted at their new places.
void Menus::ScrollOneItem(int32_t direction) {
    const bool bUp = direction == ArrowClickUp;
    Step([&] {
        VMenu& open = OpenMenu();
        open.TopMenuItem(checked::Add(open.TopMenuItem(), bUp ? -1 : 1));
    });
    Step([&] {
        if (bUp)
            OpenMenu().HideButton(1, MenuCur_);
        else
            OpenMenu().HideButton(-1, Sub(Count(), MenuCur_));
    });
    if (Count() == 0 || picMenu_ == nullptr || picCache_ == nullptr) return;
    Step([&] {
        BandMover band(*picMenu_, *picCache_, ButtonHeight_);
        const int32_t BH = ButtonHeight_, N = Count(), C = MenuCur_, H = band.Height();
        const int32_t Ytop = Mul(C, BH);                   // first row of the item area
        const int32_t Yclip = Sub(H, Mul(Sub(N, C), BH));  // first row of the bottom stack
        const int32_t height = Sub(Sub(Yclip, Ytop), kScrollStep);
        for (int32_t frame = 0; frame < kScrollFrames; ++frame) {
            if (bUp) {
                band.Copy(Ytop, checked::Add(Ytop, kScrollStep), height);
                band.Fill(Ytop, kScrollStep, Ytop, Yclip);
            } else {
                band.Copy(checked::Add(Ytop, kScrollStep), Ytop, height);
                band.Fill(Sub(Yclip, kScrollStep), kScrollStep, Ytop, Yclip);
            }
            band.Present();
        }
    });
    PaintCurrentItems();
    PositionMenuButtons();
}

}  // namespace tavrel
