#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "platform/Picture.h"
#include "platform/Rect.h"
#include "platform/Surface.h"

namespace tavrel {

// One scroll arrow of the open menu, a 13 x 13 scroll-bar button at the right edge of the item
// area: the up arrow below the top stack, the down arrow above the bottom stack.
//
// Glyph and press state while the arrow is displayed (HitTest):
//   ArrowState now  event         condition      drawn    ArrowState after  Pressed after
//   not -1          down inside                  pushed   -1                set
//   -1              down inside                  nothing  -1                set
//   1               move inside   Pressed set    pushed   -1                set
//   1               move inside   Pressed clear  nothing  1                 unchanged
//   -1              move inside                  nothing  -1                unchanged
//   -1              up inside                    raised   1                 clear
//   1               up inside                    nothing  1                 clear
//   -1              down outside                 raised   1                 clear
//   1               down outside                 nothing  1                 clear
//   -1              move outside                 raised   1                 unchanged
//   1               move outside                 nothing  1                 unchanged
//   any             up outside                   nothing  unchanged         clear
class Arrow {
public:
    static constexpr int32_t kSide = 13;
    static constexpr int32_t kRightMargin = 6;

    // Kept for the owner; the arrow never draws it.
    const Picture& Bitmap() const { return Bitmap_; }
    void Bitmap(Picture oNewValue) { Bitmap_ = std::move(oNewValue); }
    // A null surface is no surface and leaves the reference as it was.
    void Parent(std::shared_ptr<Surface> oNewValue);
    void ArrowType(int16_t iNewValue) { ArrowType_ = iNewValue; }
    void ButtonHeight(int32_t lNewValue) { ButtonHeight_ = lNewValue; }

    // Places the arrow and draws it raised. iDirection and TotalMenus are not used. MenusAtTop
    // places an up arrow (0: not shown); MenusAtBottom places a down arrow, and without it the
    // arrow keeps its previous top.
    void Show(int16_t iDirection, int32_t MenusAtTop, std::optional<int32_t> MenusAtBottom,
              int32_t TotalMenus);
    // Covers the arrow with the bar's background.
    void Hide();
    bool IsDisplayed() const { return Displayed_; }
    bool HitTest(int16_t iMousePosition, int32_t X, int32_t Y);
    // 1 draws the glyph raised, -1 pushed; anything else nothing.
    void DrawBorder(int16_t iDirection);
    // Forgets the press and the display without drawing.
    void Reset();

    const Rect& ArrowRect() const { return ArrowRect_; }
    int32_t ArrowState() const { return ArrowState_; }
    bool Pressed() const { return Pressed_; }

private:
    Picture Bitmap_;
    std::shared_ptr<Surface> Parent_;
    bool Displayed_ = false;
    Rect ArrowRect_;
    int16_t ArrowType_ = 0;
    int32_t ButtonHeight_ = 0;
    int32_t ArrowState_ = 0;
    bool Pressed_ = false;
};

}  // namespace tavrel
