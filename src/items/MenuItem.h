#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Picture.h"
#include "platform/Rect.h"
#include "platform/Surface.h"

namespace tavrel {

// One icon button of a menu: a 32 x 32 icon copied from its slot in the icon cache, with its
// caption printed under it, and the one-pixel border that marks hover and press.
//
// Border states while the item is displayed (HitTest):
//   state now          event          condition       drawn         state after  Pressed after
//   any but Sunken     down inside                    sunken        Sunken       set
//   Sunken             down inside                    nothing       Sunken       unchanged
//   Flat               move inside    Pressed set     sunken        Sunken       unchanged
//   Flat               move inside    Pressed clear   raised        Raised       unchanged
//   Raised or Sunken   move inside                    nothing       unchanged    unchanged
//   Flat or Sunken     up inside                      raised        Raised       clear
//   Raised             up inside                      nothing       Raised       clear
//   any                move outside                   flat if not   Flat         unchanged
//   any                down/up outside                flat if not   Flat         clear
class MenuItem {
public:
    const std::string& Caption() const { return Caption_; }
    void Caption(std::string sNewValue) { Caption_ = std::move(sNewValue); }
    int32_t Index() const { return Index_; }
    void Index(int32_t lNewValue) { Index_ = lNewValue; }
    // The icon picture: kept for the cache builder, never drawn by the item.
    const Picture& Button() const { return Button_; }
    void Button(Picture oNewValue) { Button_ = std::move(oNewValue); }

    int32_t Left() const { return icon_.Left; }
    void Left(int32_t lNewValue);  // and Right = Left + 32
    int32_t Top() const { return icon_.Top; }
    void Top(int32_t lNewValue);  // and Bottom = Top + 32
    int32_t Right() const { return icon_.Right; }
    int32_t Bottom() const { return icon_.Bottom; }
    int32_t State() const { return icon_.State; }
    void State(int32_t lNewValue) { icon_.State = lNewValue; }  // draws nothing
    int32_t CaptionX() const { return CaptionX_; }
    void CaptionX(int32_t lNewValue) { CaptionX_ = lNewValue; }
    int32_t CaptionY() const { return CaptionY_; }
    void CaptionY(int32_t lNewValue) { CaptionY_ = lNewValue; }

    // A null surface is no surface and leaves the reference as it was.
    void Parent(std::shared_ptr<Surface> oNewValue);
    void Cache(std::shared_ptr<Surface> oNewValue);
    void ButtonHeight(int32_t lNewValue) { ButtonHeight_ = lNewValue; }

    const std::string& PictureURL() const { return PictureURL_; }
    void PictureURL(std::string sNewValue) { PictureURL_ = std::move(sNewValue); }
    const std::string& Key() const { return Key_; }
    void Key(std::string sNewValue) { Key_ = std::move(sNewValue); }
    const std::string& Tag() const { return Tag_; }
    void Tag(std::string sNewValue) { Tag_ = std::move(sNewValue); }

    bool Displayed() const { return icon_.Displayed; }
    bool Pressed() const { return Pressed_; }
    const Rect& HitRect() const { return HitRect_; }
    const Rect& BorderRect() const { return BorderRect_; }

    // Places the item for the menu's scroll position, copies its icon and prints its caption,
    // nothing at or below lClipY. True when the item lies above the first displayed item or was
    // drawn whole; false when it lies below lClipY or was drawn only in part.
    bool PaintButton(int32_t lTopMenuItemDisplayed, int32_t lIconStart, int32_t lMenuCur,
                     int32_t lClipY);
    // Updates the border for a pointer event; true when the point lies on the item.
    bool HitTest(int16_t iMousePosition, int32_t X, int32_t Y);
    // Draws the border of an item state and records it; nothing while the item is not displayed.
    void DrawBorder(int16_t iDirection);

private:
    void PrintCaption(Surface& parent, int32_t lClipY, bool& bWhole);

    struct IconRecord {
        int32_t Left = 0;
        int32_t Top = 0;
        int32_t Right = 0;
        int32_t Bottom = 0;
        int32_t State = 0;
        bool Displayed = false;
    };

    std::shared_ptr<Surface> Parent_;
    std::shared_ptr<Surface> Cache_;
    std::string Caption_;
    int32_t Index_ = 0;
    Picture Button_;
    int32_t CaptionX_ = 0;
    int32_t CaptionY_ = 0;
    int32_t ButtonHeight_ = 0;
    bool Pressed_ = false;
    std::string PictureURL_;
    std::string Key_;
    std::string Tag_;
    IconRecord icon_;
    Rect HitRect_;
    Rect BorderRect_;
};

}  // namespace tavrel
