#pragma once

#include "platform/DialogModels.h"
#include "platform/FileDialog.h"
#include "platform/PictureCodec.h"
#include "platform/PropertyPage.h"

namespace tavrel::pages {

// The item page: the current item's caption and icon. A chosen icon shows in the preview at once
// and reaches the control on apply, as the very picture object the preview holds.
class MenuItemObjects final : public PropertyPage {
public:
    static constexpr const char* kCaption = "MenuItemObjects";

    MenuItemObjects(FileDialog& fileDialog, const PictureCodec& codec);
    void SelectionChanged() override;
    void ApplyChanges() override;

    Frame Frame1{"Item Properties :"};
    Label lblMenuItemCaption{"Caption :"};
    TextBox txtMenuItemCaption;
    Label Label1{"Icon :"};
    Image imgPicture;
    Button cmdBrowse{"Browse..."};

private:
    void cmdBrowse_Click();

    FileDialog& fileDialog_;
    const PictureCodec& codec_;
};

}  // namespace tavrel::pages
