#include "control/TavrelConstants.h"
#include "items/BarCodes.h"
#include "support/ControlFixture.h"

namespace tavrel {
namespace {

using testing::AllAre;
using testing::At;
using testing::ControlFixture;
using testing::Count;

const Color kBg = ResolveColor(kBarBackground);
const Color kFace = ResolveColor(SystemColor(SystemColorIndex::ButtonFace));

class IconCacheTest : public ControlFixture {
protected:
    // Gives every item of every menu its own solid icon, in slot order.
    void ColourEveryItem() {
        int32_t slot = 0;
        for (int32_t m = 1; m <= control.MenusMax(); ++m) {
            control.MenuCur(m);
            for (int32_t i = 1; i <= control.MenuItemsMax(); ++i) {
                control.MenuItemCur(i);
                control.MenuItemIcon(Solid(32, 0xFF000000u | static_cast<uint32_t>(++slot * 4)));
            }
        }
    }
};

TEST_F(IconCacheTest, LayoutFaceBackgroundAndSlots) {
    control.MenusMax(0);
    EXPECT_EQ(picCache->Height(), 68);
    EXPECT_EQ(At(*picCache, 0, 0), ResolveColor(SystemColor(SystemColorIndex::ButtonHighlight)));
    EXPECT_TRUE(AllAre(*picCache, {2, 2, 118, 16}, kFace)) << "the face, rows 0 to 17";
    EXPECT_TRUE(AllAre(*picCache, {0, 18, 120, 68}, kBg)) << "background below";

    control.MenusMax(6);
    for (int32_t m = 1; m <= 6; ++m) {
        control.MenuCur(m);
        control.MenuItemsMax(10);
    }
    EXPECT_EQ(picCache->Height(), 1988);
    control.MenuItemCur(10);  // item 10 of menu 6: slot 60
    control.MenuItemIcon(Solid(32, 0xFF123456));
    EXPECT_TRUE(AllAre(*picCache, Slot(60), 0x00563412));
    EXPECT_EQ(Slot(60).top, 1956);
    EXPECT_TRUE(AllAre(*picCache, {32, 1956, 120, 1988}, kBg)) << "right of the slot";
}

TEST_F(IconCacheTest, ItemsOfLaterMenusFollowThoseOfEarlierOnes) {
    control.MenusMax(2);
    control.MenuItemsMax(3);
    control.MenuCur(2);
    control.MenuItemsMax(2);
    control.MenuItemCur(1);
    control.MenuItemIcon(Solid(32, 0xFFFF0000));
    EXPECT_EQ(Slot(4), (Rect{0, 164, 32, 196}));
    EXPECT_TRUE(AllAre(*picCache, Slot(4), 0x000000FF)) << "item 1 of menu 2 is slot 4";
    // Removing menu 1 moves menu 2's items up by three slots at once.
    control.MenuCur(1);
    control.MenuItemsMax(0);
    EXPECT_TRUE(AllAre(*picCache, Slot(1), 0x000000FF));
}

TEST_F(IconCacheTest, IconsAreScaledToExactly32AndAMissingIconLeavesBackground) {
    control.MenuItemsMax(3);
    control.MenuItemCur(1);
    control.MenuItemIcon(Solid(16, 0xFF00FF00));
    control.MenuItemCur(2);
    control.MenuItemIcon(Solid(48, 0xFF0000FF));
    control.MenuItemCur(3);
    control.MenuItemIcon(Picture());
    EXPECT_TRUE(AllAre(*picCache, Slot(1), 0x0000FF00));
    EXPECT_TRUE(AllAre(*picCache, Slot(2), 0x00FF0000));
    EXPECT_TRUE(AllAre(*picCache, {32, 68, 120, 132}, kBg)) << "nothing past column 31";
    EXPECT_TRUE(AllAre(*picCache, Slot(3), kBg));
    // Transparent parts show the background.
    PixelImage half{8, 1, {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0, 0, 0, 0}};
    control.MenuItemIcon(Picture(half));
    EXPECT_TRUE(AllAre(*picCache, {20, Slot(3).top, 32, Slot(3).bottom}, kBg));
    EXPECT_TRUE(AllAre(*picCache, {0, Slot(3).top, 12, Slot(3).bottom}, kWhite));
}

TEST_F(IconCacheTest, IconsSurviveResizingTheControl) {
    control.MenuItemsMax(2);
    control.MenuItemCur(2);
    control.MenuItemIcon(Solid(32, 0xFFFF8000));
    host.lClientHeight = 400;
    control.OnResize();
    EXPECT_EQ(picCache->Height(), 69);
    EXPECT_TRUE(AllAre(*picCache, {2, 2, 118, 16}, kFace)) << "the face is drawn again on resize";
    control.OnPaint();
    EXPECT_TRUE(AllAre(*picMenu, {44, 96, 76, 128}, 0x000080FF)) << "item 2's icon on the bar";
}

TEST_F(IconCacheTest, EverySlotIsRedrawnWhenOneIconChanges) {
    control.MenusMax(2);
    control.MenuItemsMax(2);
    ColourEveryItem();
    picCache->Box(0, Slot(3).top, 31, Slot(3).bottom - 1, 0x00FF00FF, BoxFill::Filled);
    control.MenuCur(1);
    control.MenuItemCur(1);
    control.MenuItemIcon(Solid(32, 0xFF000001));
    EXPECT_EQ(Count(*picCache, Slot(3), 0x00FF00FF), 0);
}

}  // namespace
}  // namespace tavrel
