#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "menus/VMenu.h"
#include "platform/Collection.h"
#include "platform/Failure.h"
#include "platform/Surface.h"

namespace tavrel {

// The bar's menus in order, and the owner of the bar's geometry: the caption buttons of menus 1
// to MenuCur stack at the top of the visible surface, the others at the bottom, and the open
// menu's items fill the band between. Painting slides the buttons when another menu has been
// opened since the last paint; a click on an arrow scrolls the items by one.
//
// Stack layout, with BH = ButtonHeight, C = MenuCur, N = Count and H the surface's height:
//   menu i <= C: top at (i - 1) x BH; menu i > C: top at H - (N - i + 1) x BH;
//   the item area runs from C x BH to H - (N - C) x BH (exclusive).
class Menus {
public:
    // Creates a menu, sets its Caption, Index, Control and ButtonHeight and inserts it:
    // appended when the collection is empty or lIndex = Count + 1, first when lIndex = 1,
    // otherwise after position lIndex - 1. Any other lIndex leaves the collection unchanged; the
    // menu is still returned, and kept until the next Add so that the reference stays good.
    VMenu& Add(std::string sCaption, int32_t lIndex, std::shared_ptr<Surface> picMenu);
    // Later menus move up one position; their Index is not changed.
    void Delete(int32_t lIndex);
    // No menu for lIndex <= 0 or past the end.
    VMenu* Item(int32_t lIndex);
    const VMenu* Item(int32_t lIndex) const;
    int32_t Count() const { return colMenus_.Count(); }
    // Menus and items are never reordered: accepted, without effect.
    void MoveMenu(int32_t lCurIndex, int32_t lNewIndex);
    void MoveMenuItem(int32_t lCurIndex, int32_t lNewIndex);
    // Empty when there is no such menu.
    std::string Caption(int32_t lIndex) const;
    // Nothing when there is no such menu; does not repaint.
    void Caption(int32_t lIndex, std::string sNewValue);
    int32_t ButtonHeight() const { return ButtonHeight_; }
    // Given to menus added afterwards only.
    void ButtonHeight(int32_t lNewValue) { ButtonHeight_ = lNewValue; }
    void Menu(std::shared_ptr<Surface> oNewValue) { picMenu_ = std::move(oNewValue); }
    void Cache(std::shared_ptr<Surface> oNewValue) { picCache_ = std::move(oNewValue); }
    // The open menu; neither checked nor painted until the next Paint.
    void MenuCur(int32_t lNewValue) { MenuCur_ = lNewValue; }
    int32_t MenuCur() const { return MenuCur_; }
    // When set, the next static paint of the caption buttons starts from a cleared surface.
    void NumberOfMenusChanged(bool bNewValue) { bMenusChanged_ = bNewValue; }
    int32_t TotalMenuItems() const;

    // Repaints the bar: the caption buttons in place, or slid when MenuCur changed since the
    // last paint; then the open menu's items and arrows; then every button's hit rectangle.
    void Paint();
    // The Index of the first menu whose caption button holds the point; 0 for none.
    int32_t IsMenuButtonClicked(int32_t ptX, int32_t ptY) const;
    // Routes one pointer event to the caption buttons, the open menu's items and its arrows.
    // Returns a menu number (a press on a caption button, lHitType = HitMenuButton), an item
    // number (a click, lHitType = HitMenuItem) or 0; an arrow click scrolls the items and sets
    // lHitType to HitScrollUp or HitScrollDown. lHitType is written only when one of these
    // happens. Stops at its first failing step (no open menu, say) and reports it.
    ErrorOr<int32_t> MouseProcess(int16_t iMousePosition, int32_t X, int32_t Y, int32_t& lHitType);

private:
    void PositionMenuButtons();
    int32_t GetClipY() const;
    int32_t GetIconStart() const;
    void PaintCurrentItems();
    void PaintMenuButtons();
    void SlideMenusUp();
    void SlideMenusDown();
    void ScrollUpOneItem();
    void ScrollDownOneItem();
    // Scrolls the open menu by one item; `direction` is ArrowClickUp or ArrowClickDown.
    void ScrollOneItem(int32_t direction);
    VMenu& OpenMenu();
    int32_t SurfaceHeight() const;

    std::shared_ptr<Surface> picMenu_;
    std::shared_ptr<Surface> picCache_;
    Collection<VMenu> colMenus_;
    int32_t ButtonHeight_ = 0;
    int32_t lMenuPainted_ = 0;
    int32_t MenuCur_ = 0;
    bool bMenusChanged_ = false;
};

}  // namespace tavrel
