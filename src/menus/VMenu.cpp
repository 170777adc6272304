#include "menus/VMenu.h"

#include "items/BarCodes.h"
#include "platform/Checked.h"
#include "platform/Gdi.h"
#include "platform/Rounding.h"

namespace tavrel {

VMenu::VMenu() {
    oUpArrow_.ArrowType(ArrowUp);
    oDownArrow_.ArrowType(ArrowDown);
}

void VMenu::Control(std::shared_ptr<Surface> pic) {
    Control_ = std::move(pic);
    oUpArrow_.Parent(Control_);
    oDownArrow_.Parent(Control_);
}

void VMenu::ButtonHeight(int32_t lNewValue) {
    ButtonHeight_ = lNewValue;
    oUpArrow_.ButtonHeight(lNewValue);
    oDownArrow_.ButtonHeight(lNewValue);
}

void VMenu::AddMenuItem(std::string sCaption, int32_t lMenuItemlIndex, Picture picIcon) {
    MenuItems_.Add(std::move(sCaption), lMenuItemlIndex, ButtonHeight_, std::move(picIcon));
    if (MenuItem* item = MenuItems_.Item(lMenuItemlIndex)) {
        item->Parent(Control_);
        item->Cache(ImageCache_);
    }
}

ErrorOr<void> VMenu::ButtonTop(int32_t lNewValue) {
    return Attempt([&] {
        Surface& control = Require(Control_, "menu surface");
        control.ScaleMode(ScaleUnit::Pixels);
        const int32_t right = RoundHalfEven(control.ScaleWidth());
        rcButton_ = Rect{0, lNewValue, right, checked::Add(lNewValue, ButtonHeight_)};
    });
}

bool VMenu::IsMenuSelected(int32_t ptX, int32_t ptY) const {
    return PtInRect(rcButton_, ptX, ptY);
}

int32_t VMenu::TopMenuItem() {
    if (TopMenuItem_ == 0) TopMenuItem_ = 1;
    return TopMenuItem_;
}

void VMenu::TopMenuItem(int32_t lNewValue) {
    if (lNewValue != 0) TopMenuItem_ = lNewValue;
}

void VMenu::PaintItems(int32_t lIconStart, int32_t lMenuCur, int32_t lClipY, int32_t lMax) {
    const bool bAllFit = MenuItems_.Paint(TopMenuItem(), lIconStart, lMenuCur, lClipY);
    if (!bAllFit) {
        Step([&] {
            const int32_t menusAtBottom = checked::Add(checked::Sub(lMax, lMenuCur), 1);
            oDownArrow_.Show(1, 0, menusAtBottom, lMax);
        });
    } else {
        oDownArrow_.Hide();
    }
    if (TopMenuItem() > 1)
        oUpArrow_.Show(1, lMenuCur, std::nullopt, lMax);
    else
        oUpArrow_.Hide();
}

void VMenu::HideButton(int16_t iThisButton, int32_t /*lOffset*/) {
    if (iThisButton == 1)
        oUpArrow_.Hide();
    else
        oDownArrow_.Hide();
}

int32_t VMenu::MouseProcessForArrows(int16_t iMousePosition, int32_t X, int32_t Y) {
    int32_t lResult = 0;
    const struct {
        Arrow& arrow;
        int state;
        int32_t click;
    } arrows[] = {{oDownArrow_, kDownArrowState, ArrowClickDown},
                  {oUpArrow_, kUpArrowState, ArrowClickUp}};
    for (const auto& [arrow, state, click] : arrows) {
        const bool bOn = arrow.HitTest(iMousePosition, X, Y);
        int32_t& lState = lArrowState_[state];
        switch (iMousePosition) {
            case MousePosDown:
                if (bOn) lState = -1;
                break;
            case MousePosMove:
                if (bOn && lState != -1) lState = 0;
                break;
            case MousePosUp:
                if (bOn && lState == -1) lResult = click;
                lState = 1;
                break;
            default:
                break;
        }
    }
    return lResult;
}

}  // namespace tavrel
