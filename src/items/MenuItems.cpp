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
    MenuItem& added = *item;
    const int64_t count = Count();
    if (count == 0 || lIndex == count + 1) {
        colItems_.push_back(std::move(item));
    } else if (lIndex == 1) {
        colItems_.insert(colItems_.begin(), std::move(item));
    } else if (lIndex >= 2 && lIndex <= count) {
        colItems_.insert(colItems_.begin() + (lIndex - 1), std::move(item));
    } else {
        rejected_ = std::move(item);
        return added;
    }
    rejected_.reset();
    return added;
}

void MenuItems::Delete(int32_t lIndex) {
    if (Item(lIndex) != nullptr) colItems_.erase(colItems_.begin() + (lIndex - 1));
}

MenuItem* MenuItems::Item(int32_t lIndex) {
    return lIndex >= 1 && lIndex <= Count() ? colItems_[lIndex - 1].get() : nullptr;
}

const MenuItem* MenuItems::Item(int32_t lIndex) const {
    return lIndex >= 1 && lIndex <= Count() ? colItems_[lIndex - 1].get() : nullptr;
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
