#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "items/Arrow.h"
#include "items/MenuItems.h"
#include "platform/Failure.h"
#include "platform/Picture.h"
#include "platform/Rect.h"
#include "platform/Surface.h"

namespace tavrel {

// One menu of the bar: its caption, the rectangle of its caption button, its items and scroll
// position, and its two scroll arrows, which it shows after painting the items and whose clicks
// it reports.
//
// Press state of each arrow (MouseProcessForArrows; -1 pressed, 0 over it, 1 released):
//   event  on the arrow  state before  state after  result
//   down   yes           any           -1           unchanged
//   down   no            any           unchanged    unchanged
//   move   yes           -1            -1           unchanged
//   move   yes           0 or 1        0            unchanged
//   move   no            any           unchanged    unchanged
//   up     yes           -1            1            -100 down arrow, 100 up arrow
//   up     yes           0 or 1        1            unchanged
//   up     no            any           1            unchanged
class VMenu {
public:
    VMenu();

    const std::string& Caption() const { return Caption_; }
    void Caption(std::string sNewValue) { Caption_ = std::move(sNewValue); }
    int32_t Index() const { return Index_; }
    void Index(int32_t lNewValue) { Index_ = lNewValue; }
    // The visible surface; also the parent of both arrows and of every item added afterwards.
    const std::shared_ptr<Surface>& Control() const { return Control_; }
    void Control(std::shared_ptr<Surface> pic);
    // The icon cache, given to every item added afterwards.
    void ImageCache(std::shared_ptr<Surface> ctlNewValue) { ImageCache_ = std::move(ctlNewValue); }
    int32_t ButtonHeight() const { return ButtonHeight_; }
    void ButtonHeight(int32_t lNewValue);

    void AddMenuItem(std::string sCaption, int32_t lMenuItemlIndex, Picture picIcon);
    void DeleteMenuItem(int32_t lMenuItemlIndex) { MenuItems_.Delete(lMenuItemlIndex); }
    int32_t MenuItemCount() const { return MenuItems_.Count(); }
    MenuItem* MenuItemItem(int32_t lMenuItemlIndex) { return MenuItems_.Item(lMenuItemlIndex); }
    tavrel::MenuItems& MenuItems() { return MenuItems_; }

    const Picture& UpBitmap() const { return oUpArrow_.Bitmap(); }
    void UpBitmap(Picture oNewValue) { oUpArrow_.Bitmap(std::move(oNewValue)); }
    const Picture& DownBitmap() const { return oDownArrow_.Bitmap(); }
    void DownBitmap(Picture oNewValue) { oDownArrow_.Bitmap(std::move(oNewValue)); }

    // Fixes the caption button's rectangle: the full width of the surface, ButtonHeight high.
    // Stops at its first failing step and reports it; the rectangle then keeps its old value.
    ErrorOr<void> ButtonTop(int32_t lNewValue);
    int32_t ButtonTop() const { return rcButton_.top; }
    bool IsMenuSelected(int32_t ptX, int32_t ptY) const;
    const Rect& ButtonRect() const { return rcButton_; }

    // Writing 0 is ignored; any other value is stored as it is.
    int32_t TopMenuItem();
    void TopMenuItem(int32_t lNewValue);

    // Paints the items from TopMenuItem on, then shows the down arrow when not all of them fit
    // and the up arrow when the menu is scrolled.
    void PaintItems(int32_t lIconStart, int32_t lMenuCur, int32_t lClipY, int32_t lMax);
    // 1 hides the up arrow, anything else the down arrow; lOffset is not used.
    void HideButton(int16_t iThisButton, int32_t lOffset);
    // 100 when a release completes a click on the up arrow, -100 on the down arrow, else 0.
    int32_t MouseProcessForArrows(int16_t iMousePosition, int32_t X, int32_t Y);

    const Arrow& UpArrow() const { return oUpArrow_; }
    const Arrow& DownArrow() const { return oDownArrow_; }
    // 0 the down arrow, 1 the up arrow.
    int32_t ArrowState(int index) const { return lArrowState_[index]; }

private:
    static constexpr int kDownArrowState = 0;
    static constexpr int kUpArrowState = 1;

    std::string Caption_;
    int32_t Index_ = 0;
    std::shared_ptr<Surface> Control_;
    std::shared_ptr<Surface> ImageCache_;
    int32_t ButtonHeight_ = 0;
    tavrel::MenuItems MenuItems_;
    Arrow oUpArrow_;
    Arrow oDownArrow_;
    Rect rcButton_;
    int32_t TopMenuItem_ = 1;
    std::array<int32_t, 2> lArrowState_{0, 0};
};

}  // namespace tavrel
