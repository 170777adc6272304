#pragma once

#include "platform/DialogModels.h"
#include "platform/PropertyPage.h"

namespace tavrel::pages {

// The general page: how many menus the bar has, which one is current and which one is current
// after the saved settings are loaded. The current menu applied here decides which menu the
// other pages edit.
class Menues final : public PropertyPage {
public:
    static constexpr const char* kCaption = "Menus";

    Menues();
    void SelectionChanged() override;
    void ApplyChanges() override;

    Frame Frame1{"Menu :"};
    Label lblMenuCur{"Current Menu :"};
    TextBox txtMenuCur;
    Spinner VScroll1;
    Label lblMenusMax{"Number of Menu :"};
    TextBox txtMenusMax;
    Spinner VScroll2;
    Label lblMenuStartup{"Startup Menu :"};
    TextBox txtMenuStartup;
    Spinner VScroll3;

private:
    void VScroll1_Change();
};

}  // namespace tavrel::pages
