#include "pages/MenuObjects.h"

#include "control/TavrelConstants.h"
#include "pages/PageRules.h"

namespace tavrel::pages {

namespace {
constexpr int32_t kLeft = 360;
constexpr int32_t kSecondColumn = 2760;
constexpr int32_t kBoxWidth = 1095;
}  // namespace

MenuObjects::MenuObjects() : PropertyPage(kCaption, kPageWidth, kPageHeight) {
    Place("Frame1", 0, 0, kPageWidth, kPageHeight, &Frame1);
    Place("lblMenuCaption", kLeft, 480, 1455, 255, &lblMenuCaption);
    Place("txtMenuCaption", kLeft, 780, kPageWidth - 2 * kLeft, kSpinnerHeight, &txtMenuCaption);
    Place("lblMenuItemCur", kLeft, 1440, 2040, 255, &lblMenuItemCur);
    Place("txtMenuItemCur", kLeft, 1740, kBoxWidth, kSpinnerHeight, &txtMenuItemCur);
    Place("VScroll1", kLeft + kBoxWidth, 1740, kSpinnerWidth, kSpinnerHeight, &VScroll1);
    Place("lblMenuItemsMax", kSecondColumn, 1440, 2040, 255, &lblMenuItemsMax);
    Place("txtMenuItemsMax", kSecondColumn, 1740, kBoxWidth, kSpinnerHeight, &txtMenuItemsMax);
    Place("VScroll2", kSecondColumn + kBoxWidth, 1740, kSpinnerWidth, kSpinnerHeight, &VScroll2);

    txtMenuItemCur.MaxLength(2);
    txtMenuItemsMax.MaxLength(2);
    for (TextBox* box : {&txtMenuCaption, &txtMenuItemCur, &txtMenuItemsMax})
        MarkChangedOnEdit(*box);
    SetUpSpinner(VScroll1, kMaxMenuItems);
    SetUpSpinner(VScroll2, kMaxMenuItems);
    VScroll1.OnChange([this] { VScroll1_Change(); });
    VScroll2.OnChange([this] { VScroll2_Change(); });
}

void MenuObjects::SelectionChanged() {
    LoadTexts({{txtMenuItemsMax, "MenuItemsMax"},
               {txtMenuItemCur, "MenuItemCur"},
               {txtMenuCaption, "MenuCaption"}});
}

// The number of items goes first, so that a current item that fits the new number is accepted in
// the same apply.
void MenuObjects::ApplyChanges() {
    ApplyTexts({{txtMenuItemsMax, "MenuItemsMax"},
                {txtMenuItemCur, "MenuItemCur"},
                {txtMenuCaption, "MenuCaption"}});
}

void MenuObjects::VScroll1_Change() {
    Step([&] { VScroll1.Min(NegatedNumber(txtMenuItemsMax)); });
    ShowNegated(txtMenuItemCur, VScroll1);
}

// The current item follows the number of items at once: a bound below its position pulls it
// down, and that move is the current item's own.
void MenuObjects::VScroll2_Change() {
    ShowNegated(txtMenuItemsMax, VScroll2);
    VScroll1.Min(VScroll2.Value());
}

}  // namespace tavrel::pages
