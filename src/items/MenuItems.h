#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "items/MenuItem.h"
#include "platform/Collection.h"
#include "platform/Picture.h"

namespace tavrel {

// The ordered items of one menu, at positions 1 to Count. The list decides what a click is: a
// release over the item on which the last press over an item of this list landed.
class MenuItems {
public:
    // Creates an item and inserts it: appended when the list is empty or lIndex = Count + 1,
    // first when lIndex = 1, otherwise after position lIndex - 1. Any other lIndex leaves the
    // list unchanged; the new item is still returned, and kept until the next Add so that the
    // reference stays good for the caller.
    MenuItem& Add(std::string sCaption, int32_t lIndex, int32_t lButtonHeight, Picture picIcon);
    // Outside 1 to Count: nothing.
    void Delete(int32_t lIndex);
    // Outside 1 to Count: no item.
    MenuItem* Item(int32_t lIndex);
    const MenuItem* Item(int32_t lIndex) const;
    int32_t Count() const { return colItems_.Count(); }

    // Paints every item; the answer is the last item's (false for an empty list).
    bool Paint(int32_t lTopMenuItemDisplayed, int32_t lIconStart, int32_t lMenuCur, int32_t lClipY);
    // Hit-tests every item, so that one call marks the item under the pointer and clears the
    // border of any other. Returns the Index of the item hit (the last one in list order), for
    // a release only when the press landed on it too; 0 for none.
    int32_t MouseProcess(int16_t iMousePosition, int32_t X, int32_t Y);

    int32_t LastDownIndex() const { return LastDownIndex_; }

private:
    Collection<MenuItem> colItems_;
    int32_t LastDownIndex_ = 0;
};

}  // namespace tavrel
