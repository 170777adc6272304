#include "items/Arrow.h"

#include "items/BarCodes.h"
#include "platform/Checked.h"
#include "platform/Failure.h"
#include "platform/Gdi.h"
#include "platform/Rounding.h"

namespace tavrel {

using checked::Add;
using checked::Mul;
using checked::Sub;

void Arrow::Parent(std::shared_ptr<Surface> oNewValue) {
    if (oNewValue) Parent_ = std::move(oNewValue);
}

void Arrow::Show(int16_t /*iDirection*/, int32_t MenusAtTop, std::optional<int32_t> MenusAtBottom,
                 int32_t /*TotalMenus*/) {
    if (Parent_ == nullptr || !Parent_->Visible()) return;
    Surface& parent = *Parent_;
    parent.ScaleMode(ScaleUnit::Pixels);
    Step([&] {
        ArrowRect_.left = Sub(Sub(RoundHalfEven(parent.ScaleWidth()), kRightMargin), kSide);
    });
    if (ArrowType_ == ArrowUp) {
        if (MenusAtTop == 0) {
            ArrowRect_.left = 0;
            return;
        }
        Step([&] { ArrowRect_.top = Add(Mul(MenusAtTop, ButtonHeight_), 4); });
    } else {
        Step([&] {
            if (!MenusAtBottom) Fail("no MenusAtBottom for a down arrow");
            ArrowRect_.top = Sub(Sub(RoundHalfEven(parent.ScaleHeight()), 1),
                                 Mul(*MenusAtBottom, ButtonHeight_));
        });
    }
    Step([&] {
        const Rect placed{ArrowRect_.left, ArrowRect_.top, Add(ArrowRect_.left, kSide),
                          Add(ArrowRect_.top, kSide)};
        ArrowRect_ = placed;
    });
    if (ArrowRect_.left != 0) {
        Displayed_ = true;
        DrawBorder(ArrowRaised);
    }
}

void Arrow::Hide() {
    if (!Displayed_) return;
    Step([&] {
        Require(Parent_, "arrow surface")
            .Box(ArrowRect_.left, ArrowRect_.top, ArrowRect_.right, ArrowRect_.bottom,
                 kBarBackground, BoxFill::Filled);
    });
    Displayed_ = false;
}

void Arrow::DrawBorder(int16_t iDirection) {
    if (!Displayed_) return;
    if (iDirection != ArrowRaised && iDirection != ArrowPushed) return;
    Step([&] {
        Surface& parent = Require(Parent_, "arrow surface");
        const uint32_t pushed = iDirection == ArrowPushed ? DFCS_PUSHED : 0;
        if (ArrowType_ == ArrowUp)
            DrawFrameControl(parent.hDC(), ArrowRect_, DFC_SCROLL, DFCS_SCROLLUP | pushed);
        else if (ArrowType_ == ArrowDown)
            DrawFrameControl(parent.hDC(), ArrowRect_, DFC_SCROLL, DFCS_SCROLLDOWN | pushed);
    });
    ArrowState_ = iDirection;
}

bool Arrow::HitTest(int16_t iMousePosition, int32_t X, int32_t Y) {
    if (!Displayed_) return false;
    const bool bInside = PtInRect(ArrowRect_, X, Y);
    switch (iMousePosition) {
        case MousePosDown:
            if (bInside) {
                if (ArrowState_ != ArrowPushed) DrawBorder(ArrowPushed);
                Pressed_ = true;
            } else {
                if (ArrowState_ == ArrowPushed) DrawBorder(ArrowRaised);
                Pressed_ = false;
            }
            break;
        case MousePosMove:
            if (bInside) {
                if (Pressed_ && ArrowState_ == ArrowRaised) DrawBorder(ArrowPushed);
            } else if (ArrowState_ == ArrowPushed) {
                DrawBorder(ArrowRaised);
            }
            break;
        case MousePosUp:
            if (bInside && ArrowState_ == ArrowPushed) DrawBorder(ArrowRaised);
            Pressed_ = false;
            break;
        default:
            break;
    }
    return bInside;
}

void Arrow::Reset() {
    Pressed_ = false;
    Displayed_ = false;
}

}  // namespace tavrel
