#include "items/MenuItem.h"

#include "items/BarCodes.h"
#include "platform/Checked.h"
#include "platform/Failure.h"
#include "platform/Gdi.h"
#include "platform/Rounding.h"

namespace tavrel {

using checked::Add;
using checked::Mul;
using checked::Sub;

// A value whose far edge would overflow is refused as a whole.
void MenuItem::Left(int32_t lNewValue) {
    Step([&] {
        icon_.Right = Add(lNewValue, kIconSize);
        icon_.Left = lNewValue;
    });
}

void MenuItem::Top(int32_t lNewValue) {
    Step([&] {
        icon_.Bottom = Add(lNewValue, kIconSize);
        icon_.Top = lNewValue;
    });
}

void MenuItem::Parent(std::shared_ptr<Surface> oNewValue) {
    if (oNewValue) Parent_ = std::move(oNewValue);
}

void MenuItem::Cache(std::shared_ptr<Surface> oNewValue) {
    if (oNewValue) Cache_ = std::move(oNewValue);
}

bool MenuItem::PaintButton(int32_t lTopMenuItemDisplayed, int32_t lIconStart, int32_t lMenuCur,
                           int32_t lClipY) {
    if (Index_ < lTopMenuItemDisplayed) {  // scrolled off above
        icon_.Displayed = false;
        return true;
    }
    int32_t slot = 0;
    Step([&] { slot = Add(Sub(Index_, lTopMenuItemDisplayed), 1); });
    Step([&] {
        Top(Add(Sub(Mul(kItemPitch, slot), kIconSize), Mul(Sub(lMenuCur, 1), ButtonHeight_)));
    });
    int32_t centre = 0;
    Step([&] {
        Surface& parent = Require(Parent_, "item surface");
        parent.ScaleMode(ScaleUnit::Pixels);
        centre = RoundHalfEven(parent.ScaleWidth()) / 2;
        Left(Sub(centre, kIconSize / 2));
    });

    const int32_t L = icon_.Left, T = icon_.Top, R = icon_.Right;
    int32_t B = icon_.Bottom;
    if (T > lClipY) {  // wholly below the clip line
        icon_.Displayed = false;
        return false;
    }
    const bool bClipped = B > lClipY;
    if (bClipped) B = lClipY;
    icon_.Displayed = true;

    Step([&] {
        const Surface& parent = Require(Parent_, "item surface");
        CaptionX_ = Sub(centre, TruncateToInt32(parent.TextWidth(Caption_) / 2));
        CaptionY_ = Add(T, kIconSize + 4);
    });
    Step([&] {
        const Surface& parent = Require(Parent_, "item surface");
        const int32_t captionBottom = Add(Add(B, RoundHalfEven(parent.TextHeight(Caption_))), 5);
        HitRect_ = Rect{Sub(L, 6), Sub(T, 6), Add(R, 6), bClipped ? B : captionBottom};
    });
    Step([&] { BorderRect_ = Rect{Sub(L, 2), Sub(T, 2), Add(R, 2), bClipped ? B : Add(B, 2)}; });
    Step([&] {
        Surface& parent = Require(Parent_, "item surface");
        Surface& cache = Require(Cache_, "icon cache");
        const int32_t sourceY = Add(Mul(2, ButtonHeight_), Mul(kIconSize, Add(lIconStart, slot)));
        BitBlt(parent.hDC(), L, T, kIconSize, bClipped ? Sub(B, T) : kIconSize, cache.hDC(), 0,
               sourceY, SRCCOPY);
    });
    if (bClipped) return false;

    bool bWhole = false;
    Step([&] { PrintCaption(Require(Parent_, "item surface"), lClipY, bWhole); });
    return bWhole;
}

void MenuItem::PrintCaption(Surface& parent, int32_t lClipY, bool& bWhole) {
    parent.CurrentX(CaptionX_);
    parent.CurrentY(CaptionY_);
    parent.ForeColor(kItemCaptionColor);
    if (parent.CurrentY() + parent.TextHeight(Caption_) < lClipY) {
        parent.Print(Caption_);
        bWhole = true;
        return;
    }
    // The caption crosses the clip line: print it through a clip region that ends there.
    const HDC hdc = parent.hDC();
    const SavedDeviceState saved(hdc);
    HRGN region = CreateRectRgnIndirect(Rect{0, CaptionY_, parent.Width(), lClipY});
    SelectClipRgn(hdc, region);
    parent.Print(Caption_);
    DeleteObject(region);
}

bool MenuItem::HitTest(int16_t iMousePosition, int32_t X, int32_t Y) {
    if (!icon_.Displayed) return false;
    if (PtInRect(HitRect_, X, Y)) {
        switch (iMousePosition) {
            case MousePosDown:
                if (icon_.State != Sunken) {
                    DrawBorder(Sunken);
                    Pressed_ = true;
                }
                break;
            case MousePosMove:
                if (icon_.State == Flat) DrawBorder(Pressed_ ? Sunken : Raised);
                break;
            case MousePosUp:
                if (icon_.State == Flat || icon_.State == Sunken) DrawBorder(Raised);
                Pressed_ = false;
                break;
            default:
                break;
        }
        return true;
    }
    if (iMousePosition != MousePosMove) Pressed_ = false;
    if (icon_.State != Flat) DrawBorder(Flat);
    return false;
}

void MenuItem::DrawBorder(int16_t iDirection) {
    Step([&] { Require(Parent_, "item surface").ScaleMode(ScaleUnit::Pixels); });
    if (!icon_.Displayed) return;
    icon_.State = iDirection;
    Step([&] {
        Surface& parent = Require(Parent_, "item surface");
        const Rect& rc = BorderRect_;
        if (rc.Height() == kItemBorderSide) {
            switch (iDirection) {
                case Raised:
                    DrawEdge(parent.hDC(), rc, BDR_RAISEDOUTER, BF_RECT);
                    break;
                case Sunken:
                    DrawEdge(parent.hDC(), rc, BDR_SUNKENINNER, BF_RECT);
                    break;
                case Flat:
                    parent.Box(rc.left, rc.top, rc.right - 1, rc.bottom - 1, kBarBackground,
                               BoxFill::Outline);
                    break;
                default:
                    break;
            }
            return;
        }
        // Clipped at the bottom stack: the border has no bottom edge.
        constexpr uint32_t kNoBottom = BF_LEFT | BF_TOP | BF_RIGHT;
        switch (iDirection) {
            case Raised:
                DrawEdge(parent.hDC(), rc, BDR_RAISEDOUTER, kNoBottom);
                break;
            case Sunken:
                DrawEdge(parent.hDC(), rc, BDR_SUNKENINNER, kNoBottom);
                break;
            case Flat:
                parent.Line(rc.left, rc.top, rc.right - 1, rc.top, kBarBackground);
                parent.Line(rc.left, rc.top, rc.left, rc.bottom, kBarBackground);
                parent.Line(rc.right - 1, rc.top, rc.right - 1, rc.bottom, kBarBackground);
                break;
            default:
                break;
        }
    });
}

}  // namespace tavrel
