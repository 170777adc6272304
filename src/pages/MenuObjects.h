#pragma once

#include "platform/DialogModels.h"
#include "platform/PropertyPage.h"

namespace tavrel::pages {

// The menu page: the current menu's caption, its number of items and which item is current. The
// current item applied here decides which item the item page edits.
class MenuObjects final : public PropertyPage {
public:
    static constexpr const char* kCaption = "MenuObjects";

    MenuObjects();
    void SelectionChanged() override;
    void ApplyChanges() override;

    Frame Frame1{"Menu Properties:"};
    Label lblMenuCaption{"Caption :"};
    TextBox txtMenuCaption;
    Label lblMenuItemCur{"Current Item :"};
    TextBox txtMenuItemCur;
    Spinner VScroll1;
    Label lblMenuItemsMax{"Numbers of Items :"};
    TextBox txtMenuItemsMax;
    Spinner VScroll2;

private:
    void VScroll1_Change();
    void VScroll2_Change();
};

}  // namespace tavrel::pages
