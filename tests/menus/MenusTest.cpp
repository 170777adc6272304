#include <gtest/gtest.h>

#include <climits>

#include "items/BarCodes.h"
#include "menus/Menus.h"
#include "platform/Gdi.h"
#include "support/SurfaceTesting.h"

namespace tavrel {
namespace {

using testing::AllAre;
using testing::At;
using testing::Count;
using testing::Difference;
using testing::IconColor;
using testing::kTestFaceColor;
using testing::NewIconCache;
using testing::NewSurface;
using testing::Snapshot;

constexpr int32_t kBH = 18;
const Color kBg = ResolveColor(kBarBackground);

// A bar as the control sets it up: surfaces, the button height, then the menus and items.
struct Bar {
    explicit Bar(std::vector<int32_t> itemCounts, int32_t height = 300,
                 std::string caption = "Menu")
        : surface(NewSurface(120, height)), cache(NewIconCache(120, 64)) {
        menus.Menu(surface);
        menus.Cache(cache);
        menus.ButtonHeight(kBH);
        for (size_t m = 0; m < itemCounts.size(); ++m) {
            const int32_t index = static_cast<int32_t>(m + 1);
            VMenu& menu = menus.Add(caption == "Menu" ? caption + std::to_string(index) : caption,
                                    index, surface);
            menu.ImageCache(cache);
            for (int32_t i = 1; i <= itemCounts[m]; ++i)
                menu.AddMenuItem("Item" + std::to_string(i), i, Picture());
        }
    }
    // The picture a clean static paint gives with `open` open.
    std::vector<uint32_t> StaticPicture(int32_t open) {
        menus.MenuCur(open);
        menus.NumberOfMenusChanged(true);
        menus.Paint();
        return Snapshot(*surface);
    }
    int64_t FramesOf(int32_t open) {
        const int64_t before = surface->FramesPresented();
        menus.MenuCur(open);
        menus.Paint();
        return surface->FramesPresented() - before;
    }
    ErrorOr<int32_t> Mouse(int16_t event, int32_t x, int32_t y, int32_t& hit) {
        return menus.MouseProcess(event, x, y, hit);
    }

    std::shared_ptr<Surface> surface;
    std::shared_ptr<Surface> cache;
    Menus menus;
};

std::vector<int32_t> Indices(Menus& menus) {
    std::vector<int32_t> out;
    for (int32_t i = 1; i <= menus.Count(); ++i) out.push_back(menus.Item(i)->Index());
    return out;
}

TEST(MenusCollectionTest, EmptyCollection) {
    Menus menus;
    EXPECT_EQ(menus.Count(), 0);
    EXPECT_EQ(menus.TotalMenuItems(), 0);
    EXPECT_EQ(menus.Item(1), nullptr);
    EXPECT_EQ(menus.IsMenuButtonClicked(0, 0), 0);
    EXPECT_EQ(menus.Caption(1), "");
    menus.Caption(1, "x");
    menus.Delete(1);
    menus.Paint();  // nothing to paint, no surfaces: nothing happens
}

TEST(MenusCollectionTest, InsertionFormsAndPositions) {
    const struct Case {
        int32_t before, lIndex;
        std::vector<int32_t> after;
    } cases[] = {
        {0, 4, {4}},       {2, 3, {1, 2, 3}}, {2, 1, {1, 1, 2}},  {3, 3, {1, 2, 3, 3}},
        {3, 0, {1, 2, 3}}, {3, 5, {1, 2, 3}}, {3, -7, {1, 2, 3}},
    };
    for (const Case& c : cases) {
        Menus menus;
        for (int32_t i = 1; i <= c.before; ++i) menus.Add("", i, nullptr);
        VMenu& made = menus.Add("new", c.lIndex, nullptr);
        EXPECT_EQ(made.Caption(), "new") << "returned even when it could not be inserted";
        EXPECT_EQ(Indices(menus), c.after) << c.before << " + " << c.lIndex;
    }
    Bar bar({4, 2, 5});
    EXPECT_EQ(bar.menus.TotalMenuItems(), 11);
    EXPECT_EQ(bar.menus.Item(0), nullptr);
    EXPECT_EQ(bar.menus.Item(-1), nullptr);
    EXPECT_EQ(bar.menus.Count(), 3);
    bar.menus.MoveMenu(1, 2);
    bar.menus.MoveMenuItem(1, 2);
    EXPECT_EQ(bar.menus.Caption(1), "Menu1");
    bar.menus.Caption(2, "Two");
    EXPECT_EQ(bar.menus.Item(2)->Caption(), "Two");
    bar.menus.ButtonHeight(30);
    EXPECT_EQ(bar.menus.Item(1)->ButtonHeight(), kBH) << "existing menus keep their height";
    bar.menus.Delete(2);
    EXPECT_EQ(Indices(bar.menus), (std::vector<int32_t>{1, 3}))
        << "later menus move up, Index kept";
}

TEST(MenusLayoutTest, StackLayoutAndTheItemArea) {
    Bar bar({2, 2, 2});
    bar.StaticPicture(2);
    EXPECT_EQ(bar.menus.Item(1)->ButtonTop(), 0);
    EXPECT_EQ(bar.menus.Item(2)->ButtonTop(), 18);
    EXPECT_EQ(bar.menus.Item(3)->ButtonTop(), 282);
    // Faces where the layout puts them, background between (but for menu 2's items).
    for (const int32_t top : {0, 18, 282})
        EXPECT_GT(Count(*bar.surface, {0, top, 120, top + kBH}, kTestFaceColor), 120 * kBH - 200)
            << top;
    EXPECT_TRUE(AllAre(*bar.surface, {0, 36, 120, 50}, kBg)) << "item area from 36";
    // Menu 2's first item is icon 3, 32 pixels below the top of menu 2's button.
    EXPECT_TRUE(AllAre(*bar.surface, {44, 50, 76, 82}, IconColor(3)));
    EXPECT_TRUE(AllAre(*bar.surface, {0, 200, 120, 282}, kBg));

    bar.StaticPicture(3);
    EXPECT_EQ(bar.menus.Item(3)->ButtonTop(), 36) << "every button at the top";
    bar.StaticPicture(1);
    EXPECT_EQ(bar.menus.Item(2)->ButtonTop(), 264) << "only the first button at the top";
    EXPECT_EQ(bar.menus.IsMenuButtonClicked(5, 270), 2);
    EXPECT_EQ(bar.menus.IsMenuButtonClicked(5, 100), 0);
}

TEST(MenusLayoutTest, GetIconStartCountsTheEarlierMenusAndTheScrollPosition) {
    Bar bar({4, 2, 5});
    bar.menus.Item(3)->TopMenuItem(2);
    bar.StaticPicture(3);
    // 4 + 2 + 2 - 1 = 7: the first item shown, item 2, has icon 8.
    EXPECT_TRUE(AllAre(*bar.surface, {44, 68, 76, 100}, IconColor(8)));
}

TEST(MenusPaintTest, CaptionsAreCentredWithIntegerDivision) {
    // Captions 31 pixels wide on a 120-pixel bar: printed at x = 60 - 15 = 45.
    Bar bar({1, 1, 1}, 300, "Menus");
    ASSERT_EQ(bar.surface->TextWidth("Menus"), 31);
    bar.StaticPicture(2);
    auto expected = NewSurface(120, 300);
    for (const int32_t y : {0, 18, 282}) {
        BitBlt(expected->hDC(), 0, y, 120, kBH, bar.cache->hDC(), 0, 0, SRCCOPY);
        expected->ForeColor(kBlack);
        expected->CurrentX(45);
        expected->CurrentY(y + 2);
        expected->Print("Menus");
    }
    for (const int32_t y : {0, 18, 282})
        for (int32_t row = y; row < y + kBH; ++row)
            for (int32_t x = 0; x < 120; ++x)
                ASSERT_EQ(At(*bar.surface, x, row), At(*expected, x, row))
                    << x << "," << row << " "
                    << testing::SaveForInspection(*bar.surface, "captions");
}

TEST(MenusPaintTest, StaticPaintsRepeatAndTheChangedFlagClearsFirst) {
    Bar bar({3, 1});
    const auto first = bar.StaticPicture(1);
    bar.menus.Paint();
    EXPECT_EQ(Snapshot(*bar.surface), first) << "two paints, one picture";
    EXPECT_EQ(bar.surface->FramesPresented(), 0) << "the first paint after creation never slides";

    bar.surface->Box(100, 150, 110, 160, 0x00FF00FF, BoxFill::Filled);
    bar.menus.Paint();
    EXPECT_EQ(Count(*bar.surface, {0, 0, 120, 300}, 0x00FF00FF), 121)
        << "a static paint keeps the item area";
    bar.menus.NumberOfMenusChanged(true);
    bar.menus.Paint();
    EXPECT_EQ(Snapshot(*bar.surface), first) << "the changed flag clears the surface first";

    Menus none;
    auto surface = NewSurface(20, 20, 0x00FF00FF);
    surface->BackColor(kBarBackground);
    none.Menu(surface);
    none.NumberOfMenusChanged(true);
    none.Paint();
    EXPECT_TRUE(AllAre(*surface, {0, 0, 20, 20}, kBg))
        << "with no menus the surface is just cleared";
}

TEST(MenusSlideTest, SlidesFrameForFrameAndEndWhereTheLayoutPutsTheButtons) {
    Bar bar({3, 2, 4});
    const auto open3 = bar.StaticPicture(3);
    const auto open1 = bar.StaticPicture(1);
    // Watch the last frame of the slide: the moving buttons one pixel short of their place.
    std::vector<uint32_t> lastFrame;
    bar.surface->SetFramePresenter([&] { lastFrame = Snapshot(*bar.surface); });
    EXPECT_EQ(bar.FramesOf(3), 245);
    EXPECT_EQ(Snapshot(*bar.surface), open3)
        << testing::SaveForInspection(*bar.surface, "slide-up");
    EXPECT_EQ(lastFrame[19 * 120], open3[18 * 120]) << "menu 2's button top row stood at row 19";
    EXPECT_EQ(bar.FramesOf(1), 246);
    EXPECT_EQ(Snapshot(*bar.surface), open1)
        << testing::SaveForInspection(*bar.surface, "slide-down");
    EXPECT_EQ(bar.FramesOf(1), 0) << "opening the open menu does not slide";
}

TEST(MenusSlideTest, RowsBetweenTheMovedButtonsAndTheFarStackAreBackground) {
    // Menu 2 has no items, so nothing is painted after the slide over what it left.
    Bar bar({5, 0, 0});
    bar.StaticPicture(1);
    bar.FramesOf(2);
    EXPECT_TRUE(AllAre(*bar.surface, {0, 36, 100, 282}, kBg))
        << testing::SaveForInspection(*bar.surface, "slide-bg");
    Bar two({5, 0});
    two.StaticPicture(2);
    EXPECT_EQ(two.FramesOf(1), 282 - 18 + 0);
    EXPECT_TRUE(AllAre(*two.surface, {0, 18, 120, 32}, kBg));
}

TEST(MenusSlideTest, ASlideNeitherClearsNorResetsTheChangedFlag) {
    Bar bar({1, 1});
    bar.StaticPicture(1);
    bar.surface->Box(3, 5, 3, 5, 0x00FF00FF, BoxFill::Filled);  // on the top stack's face
    bar.menus.NumberOfMenusChanged(true);
    bar.FramesOf(2);
    EXPECT_EQ(At(*bar.surface, 3, 5), 0x00FF00FFu);
    bar.menus.Paint();
    EXPECT_NE(At(*bar.surface, 3, 5), 0x00FF00FFu) << "the next static paint cleared";
}

TEST(MenusSlideTest, ASurfaceLowerThanTheStacksRunsOneFrame) {
    for (const int32_t height : {3 * kBH + 1, 3 * kBH, 20, 0}) {
        Bar bar({1, 1, 1}, height);
        bar.StaticPicture(1);
        EXPECT_EQ(bar.FramesOf(3), 1) << height;
        EXPECT_EQ(bar.FramesOf(1), 1) << height;
    }
}

TEST(MenusSlideTest, ShrinkingWhileALaterMenuIsOpenStaysInsideTheSurface) {
    Bar bar({2, 2, 2, 2, 2});
    bar.StaticPicture(5);
    bar.menus.Delete(5);
    // P = 5, C = 3, N = 4: the band reaches past the lower edge.
    EXPECT_EQ(bar.FramesOf(3), 300 - 4 * kBH);
    const auto after = bar.StaticPicture(3);
    Bar clean({2, 2, 2, 2});
    EXPECT_EQ(after, clean.StaticPicture(3));
}

class MenusScrollTest : public ::testing::Test {
protected:
    void SetUp() override { bar.StaticPicture(1); }
    // Menu 1 of 3 on 300 rows: the down arrow at (101, 245), the up arrow at (101, 22).
    int32_t Click(int32_t x, int32_t y, int32_t& hit) {
        bar.Mouse(MousePosDown, x, y, hit).ValueOr(-1);
        return bar.Mouse(MousePosUp, x, y, hit).ValueOr(-1);
    }
    Bar bar{{6, 1, 1}};
};

TEST_F(MenusScrollTest, AScrollIs32FramesInsideTheItemAreaAndUpUndoesDown) {
    const auto before = Snapshot(*bar.surface);
    const int64_t frames = bar.surface->FramesPresented();
    int32_t hit = 0;
    EXPECT_EQ(Click(105, 250, hit), 0);
    EXPECT_EQ(hit, HitScrollDown);
    EXPECT_EQ(bar.surface->FramesPresented() - frames, 32);
    EXPECT_EQ(bar.menus.Item(1)->TopMenuItem(), 2);
    const Rect changed = Difference(*bar.surface, before);
    EXPECT_GE(changed.top, 18);
    EXPECT_LE(changed.bottom, 264) << "nothing outside the item area";
    EXPECT_TRUE(AllAre(*bar.surface, {44, 32, 76, 64}, IconColor(2))) << "item 2 now first";
    EXPECT_TRUE(bar.menus.Item(1)->UpArrow().IsDisplayed());

    hit = 0;
    EXPECT_EQ(Click(105, 27, hit), 0);
    EXPECT_EQ(hit, HitScrollUp);
    EXPECT_EQ(bar.menus.Item(1)->TopMenuItem(), 1);
    EXPECT_EQ(Snapshot(*bar.surface), before)
        << testing::SaveForInspection(*bar.surface, "scroll-back");
}

TEST_F(MenusScrollTest, EachFrameMovesTheBandTwoPixels) {
    std::vector<std::vector<uint32_t>> frames;
    bar.surface->SetFramePresenter([&] { frames.push_back(Snapshot(*bar.surface)); });
    int32_t hit = 0;
    Click(105, 250, hit);
    ASSERT_EQ(frames.size(), 32u);
    // Item 2's icon top (row 96) rises two rows a frame.
    for (int f = 0; f < 32; ++f) {
        const int32_t row = 96 - 2 * (f + 1);
        if (row < 18) break;
        EXPECT_EQ(FromPixel(frames[f][row * 120 + 60]), IconColor(2)) << "frame " << f;
    }
}

TEST(MenusScrollEdgeTest, AMenuWithoutItemsStillScrollsAndTheLastMenuReachesTheBottom) {
    Bar bar({0, 0});
    bar.StaticPicture(2);  // the last menu: the item area reaches row 300
    ASSERT_TRUE(bar.menus.Item(2)->DownArrow().IsDisplayed());
    EXPECT_EQ(bar.menus.Item(2)->DownArrow().ArrowRect().top, 299 - kBH);
    int32_t hit = 0;
    const int64_t frames = bar.surface->FramesPresented();
    bar.Mouse(MousePosDown, 105, 285, hit).ValueOr(-1);
    EXPECT_EQ(bar.Mouse(MousePosUp, 105, 285, hit).ValueOr(-1), 0);
    EXPECT_EQ(hit, HitScrollDown);
    EXPECT_EQ(bar.surface->FramesPresented() - frames, 32);
    EXPECT_EQ(bar.menus.Item(2)->TopMenuItem(), 2);
}

TEST(MenusMouseTest, HitTypesAndResults) {
    Bar bar({4, 1, 1});
    bar.StaticPicture(1);
    int32_t hit = 77;
    // Press over menu 3's button: its number, hit type 1, items untouched.
    EXPECT_EQ(bar.Mouse(MousePosDown, 60, 290, hit).Value(), 3);
    EXPECT_EQ(hit, HitMenuButton);
    EXPECT_EQ(bar.Mouse(MousePosDown, 60, 5, hit).Value(), 1) << "the open menu's own button";
    // Moves and releases over a caption button: 0, hit type not written.
    hit = 77;
    EXPECT_EQ(bar.Mouse(MousePosMove, 60, 290, hit).Value(), 0);
    EXPECT_EQ(bar.Mouse(MousePosUp, 60, 290, hit).Value(), 0);
    EXPECT_EQ(hit, 77);
    // Press and release over item 2.
    const int32_t item2 = 64 + 32 + 5;
    EXPECT_EQ(bar.Mouse(MousePosDown, 60, item2, hit).Value(), 0);
    EXPECT_EQ(hit, 77);
    EXPECT_EQ(bar.menus.Item(1)->MenuItemItem(2)->State(), Sunken);
    EXPECT_EQ(bar.Mouse(MousePosUp, 60, item2, hit).Value(), 2);
    EXPECT_EQ(hit, HitMenuItem);
    // Press on item 2, release on item 3.
    hit = 77;
    bar.Mouse(MousePosDown, 60, item2, hit).ValueOr(-1);
    EXPECT_EQ(bar.Mouse(MousePosUp, 60, item2 + 64, hit).Value(), 0);
    EXPECT_EQ(hit, 77);
    // A press on a caption button does not reach the items.
    bar.Mouse(MousePosMove, 60, item2, hit).ValueOr(-1);
    EXPECT_EQ(bar.menus.Item(1)->MenuItemItem(2)->State(), Raised);
    bar.Mouse(MousePosDown, 60, 290, hit).ValueOr(-1);
    EXPECT_EQ(bar.menus.Item(1)->MenuItemItem(2)->State(), Raised);
}

TEST(MenusMouseTest, FailuresAreReportedAndLeaveTheHitType) {
    Menus none;
    int32_t hit = 55;
    EXPECT_TRUE(none.MouseProcess(MousePosDown, 0, 0, hit).IsError());
    EXPECT_EQ(hit, 55);
    Bar bar({1});
    bar.menus.Paint();  // MenuCur 0
    EXPECT_TRUE(bar.Mouse(MousePosMove, 5, 50, hit).IsError());
    EXPECT_EQ(hit, 55);
}

TEST(MenusMouseTest, OutOfRangeOpenMenusNeitherCrashNorHang) {
    for (const int32_t open : {INT32_MAX, INT32_MIN, 9, -1}) {
        Bar bar({2, 2, 2});
        bar.StaticPicture(1);
        bar.menus.MenuCur(open);
        bar.menus.Paint();
        bar.menus.NumberOfMenusChanged(true);
        bar.menus.Paint();
        int32_t hit = 0;
        EXPECT_TRUE(bar.Mouse(MousePosMove, 5, 50, hit).IsError()) << open;
        bar.menus.MenuCur(1);
        bar.menus.Paint();
    }
}

}  // namespace
}  // namespace tavrel
