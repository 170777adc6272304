#include "items/MenuItems.h"

#include "items/BarCodes.h"

namespace tavrel {

MenuItem& MenuItems::Add(std::string sCaption, int32_t lIndex, int32_t lButtonHeight,
                         Picture picIcon) {
    auto item = std::make_unique<MenuItem>();
    item->Caption(std::move(sCaption));
    item->Index(lIndex);
    item->ButtonHeight(lButtonHeight);
    item->Button(std::move(picIcon));
    return colItems_.Insert(lIndex, std::move(item));
}

void MenuItems::Delete(int32_t lIndex) {
    colItems_.Remove(lIndex);
}

MenuItem* MenuItems::Item(int32_t lIndex) {
    return colItems_.Item(lIndex);
}

const MenuItem* MenuItems::Item(int32_t lIndex) const {
    return colItems_.Item(lIndex);
}

bool MenuItems::Paint(int32_t lTopMenuItemDisplayed, int32_t lIconStart, int32_t lMenuCur,
                      int32_t lClipY) {
    bool bResult = false;
    for (const auto& item : colItems_)
        bResult = item->PaintButton(lTopMenuItemDisplayed, lIconStart, lMenuCur, lClipY);
    return bResult;
}

int32_t MenuItems::MouseProcess(int16_t iMousePosition, int32_t X, int32_t Y) {
    int32_t lResult = 0;
    for (const auto& item : colItems_) {
        if (!item->HitTest(iMousePosition, X, Y)) continue;
        if (iMousePosition == MousePosUp) {
            if (LastDownIndex_ == item->Index()) lResult = item->Index();
        } else {
            lResult = item->Index();
        }
        if (iMousePosition == MousePosDown) LastDownIndex_ = item->Index();
    }
    return lResult;
}

}  // namespace tavrel
