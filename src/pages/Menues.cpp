#include "pages/Menues.h"

#include "control/TavrelConstants.h"
#include "pages/PageRules.h"

namespace tavrel::pages {

namespace {
constexpr int32_t kColumnWidth = 1620;
constexpr int32_t kLeft = 300;
constexpr int32_t kLabelTop = 840;
constexpr int32_t kBoxTop = 1140;
constexpr int32_t kBoxWidth = 1095;
}  // namespace

Menues::Menues() : PropertyPage(kCaption, kPageWidth, kPageHeight) {
    Place("Frame1", 0, 0, kPageWidth, kPageHeight, &Frame1);
    struct Column {
        const char* sLabel;
        Label* label;
        const char* sBox;
        TextBox* box;
        const char* sSpinner;
        Spinner* spinner;
    };
    const Column columns[] = {
        {"lblMenuCur", &lblMenuCur, "txtMenuCur", &txtMenuCur, "VScroll1", &VScroll1},
        {"lblMenusMax", &lblMenusMax, "txtMenusMax", &txtMenusMax, "VScroll2", &VScroll2},
        {"lblMenuStartup", &lblMenuStartup, "txtMenuStartup", &txtMenuStartup, "VScroll3",
         &VScroll3},
    };
    int32_t lLeft = kLeft;
    for (const Column& column : columns) {
        column.box->MaxLength(1);
        MarkChangedOnEdit(*column.box);
        SetUpSpinner(*column.spinner, kMaxMenus);
        Place(column.sLabel, lLeft, kLabelTop, kColumnWidth - 120, 255, column.label);
        Place(column.sBox, lLeft, kBoxTop, kBoxWidth, kSpinnerHeight, column.box);
        Place(column.sSpinner, lLeft + kBoxWidth, kBoxTop, kSpinnerWidth, kSpinnerHeight,
              column.spinner);
        lLeft += kColumnWidth;
    }
    VScroll1.OnChange([this] { VScroll1_Change(); });
    VScroll2.OnChange([this] { ShowNegated(txtMenusMax, VScroll2); });
    VScroll3.OnChange([this] { ShowNegated(txtMenuStartup, VScroll3); });
}

void Menues::SelectionChanged() {
    LoadTexts(
        {{txtMenuStartup, "MenuStartup"}, {txtMenusMax, "MenusMax"}, {txtMenuCur, "MenuCur"}});
}

void Menues::ApplyChanges() {
    ApplyTexts(
        {{txtMenuStartup, "MenuStartup"}, {txtMenusMax, "MenusMax"}, {txtMenuCur, "MenuCur"}});
}

// The current menu can go no higher than the number of menus in its box. While that box holds
// no number the bound stays where it was, and the current menu still follows its spinner.
void Menues::VScroll1_Change() {
    Step([&] { VScroll1.Min(NegatedNumber(txtMenusMax)); });
    ShowNegated(txtMenuCur, VScroll1);
}

}  // namespace tavrel::pages
