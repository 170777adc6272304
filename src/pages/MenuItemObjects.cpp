#include "pages/MenuItemObjects.h"

#include "pages/Global.h"
#include "pages/PageRules.h"

namespace tavrel::pages {

namespace {
constexpr int32_t kLeft = 360;
constexpr int32_t kIconSide = 480;  // twips: 32 pixels
}  // namespace

MenuItemObjects::MenuItemObjects(FileDialog& fileDialog, const PictureCodec& codec)
    : PropertyPage(kCaption, kPageWidth, kPageHeight), fileDialog_(fileDialog), codec_(codec) {
    Place("Frame1", 0, 0, kPageWidth, kPageHeight, &Frame1);
    Place("lblMenuItemCaption", kLeft, 480, 1455, 255, &lblMenuItemCaption);
    Place("txtMenuItemCaption", kLeft, 780, kPageWidth - 2 * kLeft, kSpinnerHeight,
          &txtMenuItemCaption);
    Place("Label1", kLeft, 1380, 1455, 255, &Label1);
    Place("imgPicture", kLeft, 1680, kIconSide, kIconSide, &imgPicture);
    Place("cmdBrowse", kLeft + kIconSide + 360, 1725, 1215, kSpinnerHeight, &cmdBrowse);
    MarkChangedOnEdit(txtMenuItemCaption);
    cmdBrowse.OnClick([this] { cmdBrowse_Click(); });
}

void MenuItemObjects::SelectionChanged() {
    LoadTexts({{txtMenuItemCaption, "MenuItemCaption"}});
    Step([&] { imgPicture.picture = Unwrap(conversion::ToPicture(Read("MenuItemIcon"))); });
}

// An empty preview hands the control the empty picture.
void MenuItemObjects::ApplyChanges() {
    ApplyTexts({{txtMenuItemCaption, "MenuItemCaption"}});
    Step([&] { WriteRef("MenuItemIcon", imgPicture.picture); });
}

// A file that opens but holds no picture leaves the preview as it was; the page is marked changed
// all the same, as the choice was made.
void MenuItemObjects::cmdBrowse_Click() {
    const std::string sPath = BrowseIconFile(fileDialog_);
    if (!FileExists(sPath)) return;
    Step([&] { imgPicture.picture = Unwrap(codec_.FromFile(sPath)); });
    Changed(true);
}

}  // namespace tavrel::pages
