#pragma once

#include <cstdint>

#include "platform/Color.h"

// The codes that pointer events, borders, arrows and hits are told apart by, shared by the items,
// the arrows, the menus and the control.
namespace tavrel {

// iMousePosition
constexpr int16_t MousePosDown = -1;
constexpr int16_t MousePosMove = 0;
constexpr int16_t MousePosUp = 1;

// An item's border state (State, and the iDirection of MenuItem::DrawBorder).
constexpr int16_t Flat = 0;
constexpr int16_t Raised = 1;
constexpr int16_t Sunken = -1;

// ArrowType
constexpr int16_t ArrowUp = 1;
constexpr int16_t ArrowDown = -1;

// How an arrow's glyph was last drawn (ArrowState, and the iDirection of Arrow::DrawBorder).
constexpr int32_t ArrowRaised = 1;
constexpr int32_t ArrowPushed = -1;

// What VMenu::MouseProcessForArrows reports.
constexpr int32_t ArrowClickUp = 100;
constexpr int32_t ArrowClickDown = -100;

// lHitType of Menus::MouseProcess.
constexpr int32_t HitMenuButton = 1;
constexpr int32_t HitMenuItem = 2;
constexpr int32_t HitScrollUp = 3;
constexpr int32_t HitScrollDown = 4;

// The item icon and its layout on the bar.
constexpr int32_t kIconSize = 32;
constexpr int32_t kItemPitch = 64;
constexpr int32_t kItemBorderSide = kIconSize + 4;

// The bar's background, and the colour of item captions.
constexpr Color kBarBackground = SystemColor(SystemColorIndex::ButtonShadow);
constexpr Color kItemCaptionColor = kWhite;
constexpr Color kButtonCaptionColor = SystemColor(SystemColorIndex::ButtonText);

}  // namespace tavrel
