#include <gtest/gtest.h>

#include "items/BarCodes.h"
#include "menus/VMenu.h"
#include "support/SurfaceTesting.h"

namespace tavrel {
namespace {

using testing::AllAre;
using testing::At;
using testing::IconColor;
using testing::NewIconCache;
using testing::NewSurface;

const Color kRaisedCorner = ResolveColor(SystemColor(SystemColorIndex::Light3D));

class VMenuTest : public ::testing::Test {
protected:
    void SetUp() override { Configure(menu, 6); }

    // As the bar sets a menu up: surface, button height, cache, then the items.
    void Configure(VMenu& m, int32_t items) {
        m.Control(bar);
        m.ButtonHeight(18);
        m.ImageCache(cache);
        for (int32_t i = 1; i <= items; ++i)
            m.AddMenuItem("Item" + std::to_string(i), i, Picture());
    }
    // Menu 1 of 3 open on a 120 x 300 bar: the bottom stack starts at 264.
    void Paint() { menu.PaintItems(menu.TopMenuItem() - 1, 1, 264, 3); }

    // The arrows of menu 1 of 3: the down arrow at 245, the up arrow at 22.
    static constexpr int32_t kDownX = 105, kDownY = 250, kUpX = 105, kUpY = 27;

    std::shared_ptr<Surface> bar = NewSurface(120, 300);
    std::shared_ptr<Surface> cache = NewIconCache(120, 12);
    VMenu menu;
};

TEST_F(VMenuTest, CaptionButtonRectangleAndItsBoundaries) {
    VMenu fresh;
    EXPECT_FALSE(fresh.IsMenuSelected(0, 0)) << "no rectangle before the first ButtonTop";
    EXPECT_FALSE(menu.IsMenuSelected(0, 0));
    ASSERT_FALSE(menu.ButtonTop(18).IsError());
    EXPECT_EQ(menu.ButtonTop(), 18);
    EXPECT_TRUE(menu.IsMenuSelected(0, 18));
    EXPECT_TRUE(menu.IsMenuSelected(119, 35));
    EXPECT_FALSE(menu.IsMenuSelected(120, 20));
    EXPECT_FALSE(menu.IsMenuSelected(5, 36));
}

TEST_F(VMenuTest, ButtonTopWithoutASurfaceFailsAndKeepsTheOldRectangle) {
    VMenu bare;
    bare.ButtonHeight(18);
    EXPECT_TRUE(bare.ButtonTop(5).IsError());
    EXPECT_EQ(bare.ButtonRect(), Rect{});
    ASSERT_FALSE(menu.ButtonTop(18).IsError());
    menu.Control(nullptr);
    EXPECT_TRUE(menu.ButtonTop(40).IsError());
    EXPECT_EQ(menu.ButtonRect(), (Rect{0, 18, 120, 36}));
    EXPECT_TRUE(menu.ButtonTop(INT32_MAX - 5).IsError()) << "a bottom past the 32-bit range";
}

TEST_F(VMenuTest, TopMenuItemIgnoresZeroAndIsKeptPerMenu) {
    VMenu other;
    EXPECT_EQ(menu.TopMenuItem(), 1);
    menu.TopMenuItem(3);
    menu.TopMenuItem(0);
    EXPECT_EQ(menu.TopMenuItem(), 3);
    EXPECT_EQ(other.TopMenuItem(), 1);
    menu.TopMenuItem(-3);
    EXPECT_EQ(menu.TopMenuItem(), -3);
}

TEST_F(VMenuTest, NewItemsGetTheSurfacesAndTheButtonHeight) {
    EXPECT_EQ(menu.MenuItemCount(), 6);
    menu.AddMenuItem("bad", 9, Picture());
    EXPECT_EQ(menu.MenuItemCount(), 6) << "an invalid position adds nothing";
    EXPECT_EQ(menu.MenuItemItem(7), nullptr);
    // In menu 2 the first icon starts 32 + 18 pixels down.
    menu.MenuItems().Paint(1, 0, 2, 300);
    EXPECT_EQ(menu.MenuItemItem(1)->Top(), 50);
    EXPECT_TRUE(AllAre(*bar, {44, 50, 76, 82}, IconColor(1)));
    menu.DeleteMenuItem(6);
    EXPECT_EQ(menu.MenuItemCount(), 5);
}

TEST_F(VMenuTest, PaintItemsShowsTheArrowsThatApply) {
    Paint();  // six items do not fit above 264
    EXPECT_TRUE(menu.DownArrow().IsDisplayed());
    EXPECT_EQ(menu.DownArrow().ArrowRect(), (Rect{101, 245, 114, 258}));
    EXPECT_FALSE(menu.UpArrow().IsDisplayed());
    menu.TopMenuItem(3);
    Paint();
    EXPECT_TRUE(menu.UpArrow().IsDisplayed());
    EXPECT_EQ(menu.UpArrow().ArrowRect(), (Rect{101, 22, 114, 35}));
    EXPECT_EQ(At(*bar, 101, 22), kRaisedCorner) << "drawn over the items";
    menu.TopMenuItem(4);
    Paint();  // items 4 to 6 fit
    EXPECT_FALSE(menu.DownArrow().IsDisplayed());

    VMenu empty;
    Configure(empty, 0);
    empty.PaintItems(0, 1, 264, 3);
    EXPECT_TRUE(empty.DownArrow().IsDisplayed()) << "an empty list reports that not all fit";

    menu.HideButton(0, 7);
    EXPECT_FALSE(menu.DownArrow().IsDisplayed());
    menu.HideButton(1, 0);
    EXPECT_FALSE(menu.UpArrow().IsDisplayed());
}

TEST_F(VMenuTest, ArrowClicksFollowTheStateTable) {
    menu.TopMenuItem(2);
    Paint();
    ASSERT_TRUE(menu.DownArrow().IsDisplayed() && menu.UpArrow().IsDisplayed());
    const auto process = [&](int16_t event, int32_t x, int32_t y) {
        return menu.MouseProcessForArrows(event, x, y);
    };
    // Press on the down arrow, drag off, drag back, release on it: a click.
    EXPECT_EQ(process(MousePosDown, kDownX, kDownY), 0);
    EXPECT_EQ(menu.ArrowState(0), -1);
    EXPECT_EQ(process(MousePosMove, 5, 150), 0);
    EXPECT_EQ(process(MousePosMove, kDownX, kDownY), 0);
    EXPECT_EQ(menu.ArrowState(0), -1) << "a move over the pressed arrow keeps it pressed";
    EXPECT_EQ(process(MousePosUp, kDownX, kDownY), ArrowClickDown);
    EXPECT_EQ(menu.ArrowState(0), 1);
    // The up arrow the same way.
    process(MousePosDown, kUpX, kUpY);
    EXPECT_EQ(process(MousePosUp, kUpX, kUpY), ArrowClickUp);
    // Press on the down arrow, release on the up arrow: nothing, and both released.
    process(MousePosDown, kDownX, kDownY);
    EXPECT_EQ(process(MousePosUp, kUpX, kUpY), 0);
    EXPECT_EQ(menu.ArrowState(0), 1);
    EXPECT_EQ(menu.ArrowState(1), 1);
    // A move over an arrow not pressed; a release on it.
    EXPECT_EQ(process(MousePosMove, kDownX, kDownY), 0);
    EXPECT_EQ(menu.ArrowState(0), 0);
    EXPECT_EQ(process(MousePosUp, kDownX, kDownY), 0);
    EXPECT_EQ(menu.ArrowState(0), 1);
}

TEST_F(VMenuTest, ArrowsGetTheSurfaceAndTheBitmapsForward) {
    PixelImage pixels{1, 1, {0xFF000000}};
    const Picture picture(pixels);
    menu.UpBitmap(picture);
    menu.DownBitmap(picture);
    EXPECT_EQ(menu.UpBitmap(), picture);
    EXPECT_EQ(menu.DownBitmap(), picture);
    EXPECT_EQ(menu.Control(), bar);
}

}  // namespace
}  // namespace tavrel
