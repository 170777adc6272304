#include <gtest/gtest.h>

#include <climits>

#include "items/BarCodes.h"
#include "items/MenuItem.h"
#include "support/SurfaceTesting.h"

namespace tavrel {
namespace {

using testing::AllAre;
using testing::At;
using testing::Count;
using testing::IconColor;
using testing::NewIconCache;
using testing::NewSurface;
using testing::Snapshot;

constexpr int32_t kBH = 18;
const Color kBg = ResolveColor(kBarBackground);
const Color kRaisedTopLeft = ResolveColor(SystemColor(SystemColorIndex::Light3D));
const Color kRaisedBottomRight = ResolveColor(SystemColor(SystemColorIndex::DarkShadow3D));
const Color kSunkenTopLeft = ResolveColor(SystemColor(SystemColorIndex::DarkShadow3D));
const Color kSunkenBottomRight = ResolveColor(SystemColor(SystemColorIndex::Light3D));
constexpr Color kMarker = 0x00FF00FF;

class MenuItemTest : public ::testing::Test {
protected:
    void SetUp() override { item = MakeItem(2); }

    MenuItem MakeItem(int32_t index, const std::string& caption = "Item") {
        MenuItem made;
        made.Caption(caption);
        made.Index(index);
        made.ButtonHeight(kBH);
        made.Parent(bar);
        made.Cache(cache);
        return made;
    }

    // What a press, move or release drew on the border: judged by its top-left pixel.
    std::string DrawnBorder() const {
        const Color c = At(*bar, item.BorderRect().left, item.BorderRect().top);
        if (c == kMarker) return "nothing";
        if (c == kRaisedTopLeft) return "raised";
        if (c == kSunkenTopLeft) return "sunken";
        if (c == kBg) return "flat";
        return "other";
    }
    void MarkBorder() {
        const Rect& r = item.BorderRect();
        bar->Box(r.left, r.top, r.right - 1, r.bottom - 1, kMarker, BoxFill::Outline);
    }
    int32_t InsideX() const { return item.Left() + 5; }
    int32_t InsideY() const { return item.Top() + 5; }

    std::shared_ptr<Surface> bar = NewSurface(120, 300);
    std::shared_ptr<Surface> cache = NewIconCache(120, 12);
    MenuItem item;
};

TEST_F(MenuItemTest, CentresTheIconAndPlacesItsSlotBelowTheOpenMenusButton) {
    // Item 2 of the second menu, not scrolled: slot 2, 32 pixels below menu 2's button + 64.
    EXPECT_FALSE(item.Displayed());
    EXPECT_TRUE(item.PaintButton(1, 0, 2, 300));
    EXPECT_EQ(item.Left(), 44);
    EXPECT_EQ(item.Right(), 76);
    EXPECT_EQ(item.Top(), 64 * 2 - 32 + 18);
    EXPECT_EQ(item.Bottom(), item.Top() + 32);
    EXPECT_EQ(item.CaptionY(), item.Top() + 36);
    EXPECT_EQ(item.CaptionX(), 60 - static_cast<int32_t>(bar->TextWidth("Item")) / 2);
    EXPECT_EQ(item.HitRect(), (Rect{38, item.Top() - 6, 82, item.Bottom() + 13 + 5}));
    EXPECT_EQ(item.BorderRect(), (Rect{42, item.Top() - 2, 78, item.Bottom() + 2}));

    bar->Move(0, 0, 121, 300);
    item.PaintButton(1, 0, 2, 300);
    EXPECT_EQ(item.Left(), 44) << "121 / 2 truncates to 60";
}

TEST_F(MenuItemTest, CopiesItsIconFromTheCacheSlotAndPrintsAWhiteCentredCaption) {
    // Scrolled to item 2 with three icons of earlier menus: the icon is number 3 + 1 = 4.
    MenuItem second = MakeItem(2, "Settings");
    EXPECT_TRUE(second.PaintButton(2, 3, 1, 300));
    const Rect icon{second.Left(), second.Top(), second.Right(), second.Bottom()};
    EXPECT_EQ(icon, (Rect{44, 32, 76, 64}));
    EXPECT_TRUE(AllAre(*bar, icon, IconColor(4))) << testing::SaveForInspection(*bar, "item-icon");
    EXPECT_EQ(Count(*bar, {0, 0, 120, 300}, IconColor(4)), 32 * 32);

    const int32_t width = static_cast<int32_t>(bar->TextWidth("Settings"));
    const Rect caption{second.CaptionX(), second.CaptionY(), second.CaptionX() + width,
                       second.CaptionY() + 13};
    const int64_t white = Count(*bar, caption, kWhite);
    EXPECT_GT(white, 20);
    EXPECT_EQ(Count(*bar, {0, 0, 120, 300}, kWhite), white) << "white only in the caption's box";
    // Centred: as much white left of the surface's centre as right of it, within a glyph.
    const int64_t left = Count(*bar, {0, caption.top, 60, caption.bottom}, kWhite);
    EXPECT_NEAR(static_cast<double>(left) / white, 0.5, 0.15);
}

TEST_F(MenuItemTest, ClipLineCases) {
    // Item 1 of menu 1: icon rows 32 to 63, caption from row 68, 13 rows high.
    const struct Case {
        const char* name;
        int32_t lTop, lClipY;
        bool bResult, bDisplayed;
        int32_t iconRows;   // rows of icon drawn
        bool bCaption;      // white pixels above the clip line
        int32_t hitBottom;  // 0: not checked
    } cases[] = {
        {"scrolled off above", 2, 300, true, false, 0, false, 0},
        {"wholly below", 1, 31, false, false, 0, false, 0},
        {"top exactly on the clip line", 1, 32, false, true, 0, false, 32},
        {"icon cut", 1, 42, false, true, 10, false, 42},
        {"caption reaches the clip line", 1, 68 + 13, false, true, 32, true, 64 + 13 + 5},
        {"caption ends above the clip line", 1, 68 + 14, true, true, 32, true, 64 + 13 + 5},
    };
    for (const Case& c : cases) {
        bar = NewSurface(120, 300);
        item = MakeItem(1);
        const auto before = Snapshot(*bar);
        EXPECT_EQ(item.PaintButton(c.lTop, 0, 1, c.lClipY), c.bResult) << c.name;
        EXPECT_EQ(item.Displayed(), c.bDisplayed) << c.name;
        EXPECT_EQ(Count(*bar, {0, 0, 120, 300}, IconColor(1)), 32 * c.iconRows) << c.name;
        EXPECT_EQ(Count(*bar, {0, 0, 120, c.lClipY}, kWhite) > 0, c.bCaption) << c.name;
        EXPECT_EQ(testing::Difference(*bar, before).bottom <= c.lClipY, true)
            << c.name << ": nothing drawn at or below the clip line";
        if (c.hitBottom != 0) {
            EXPECT_EQ(item.HitRect().bottom, c.hitBottom) << c.name;
        }
        if (c.iconRows < 32 && c.bDisplayed) {
            EXPECT_EQ(item.BorderRect().bottom, c.lClipY) << c.name;
        }
    }
}

TEST_F(MenuItemTest, BorderPixelsRaisedSunkenAndFlat) {
    item.PaintButton(1, 0, 1, 300);
    const Rect r = item.BorderRect();
    const auto inside = Snapshot(*bar);
    item.DrawBorder(Raised);
    EXPECT_EQ(At(*bar, r.left, r.top), kRaisedTopLeft);
    EXPECT_EQ(At(*bar, r.right - 1, r.bottom - 1), kRaisedBottomRight);
    EXPECT_EQ(At(*bar, r.right - 1, r.top), kRaisedBottomRight);
    EXPECT_EQ(item.State(), Raised);
    item.DrawBorder(Sunken);
    EXPECT_EQ(At(*bar, r.left, r.top), kSunkenTopLeft);
    EXPECT_EQ(At(*bar, r.left + 5, r.bottom - 1), kSunkenBottomRight);
    item.DrawBorder(Flat);
    EXPECT_EQ(testing::Difference(*bar, inside), Rect{}) << "flat covers every pixel an edge drew";
    item.DrawBorder(7);
    EXPECT_EQ(item.State(), 7) << "an unknown state is stored";
    EXPECT_EQ(testing::Difference(*bar, inside), Rect{}) << "and draws nothing";
}

TEST_F(MenuItemTest, AClippedBorderHasNoBottomEdgeAndFlatRestoresIt) {
    item = MakeItem(1);
    item.PaintButton(1, 0, 1, 50);
    bar->Box(0, 50, 119, 299, kMarker, BoxFill::Filled);  // stands for the bottom stack
    const auto before = Snapshot(*bar);
    for (const int16_t state : {Raised, Sunken}) {
        item.DrawBorder(state);
        EXPECT_TRUE(AllAre(*bar, {0, 50, 120, 300}, kMarker))
            << "nothing drawn on the bottom stack";
        EXPECT_EQ(At(*bar, item.BorderRect().left, 49),
                  state == Raised ? kRaisedTopLeft : kSunkenTopLeft);
        item.DrawBorder(Flat);
        EXPECT_EQ(testing::Difference(*bar, before), Rect{});
    }
}

TEST_F(MenuItemTest, HitTestFollowsTheBorderStateTable) {
    const struct Row {
        int16_t state;
        int16_t event;
        bool bInside;
        bool bPressed;
        const char* drawn;
        int16_t stateAfter;
        bool bPressedAfter;
    } rows[] = {
        {Flat, MousePosDown, true, false, "sunken", Sunken, true},
        {Raised, MousePosDown, true, false, "sunken", Sunken, true},
        {Sunken, MousePosDown, true, false, "nothing", Sunken, false},
        {Flat, MousePosMove, true, true, "sunken", Sunken, true},
        {Flat, MousePosMove, true, false, "raised", Raised, false},
        {Raised, MousePosMove, true, true, "nothing", Raised, true},
        {Sunken, MousePosMove, true, false, "nothing", Sunken, false},
        {Flat, MousePosUp, true, true, "raised", Raised, false},
        {Sunken, MousePosUp, true, true, "raised", Raised, false},
        {Raised, MousePosUp, true, true, "nothing", Raised, false},
        {Raised, 5, true, true, "nothing", Raised, true},
        {Raised, MousePosMove, false, true, "flat", Flat, true},
        {Flat, MousePosMove, false, true, "nothing", Flat, true},
        {Sunken, MousePosDown, false, true, "flat", Flat, false},
        {Raised, MousePosUp, false, true, "flat", Flat, false},
        {Flat, MousePosUp, false, true, "nothing", Flat, false},
    };
    for (const Row& row : rows) {
        bar = NewSurface(120, 300);
        item = MakeItem(1);
        item.PaintButton(1, 0, 1, 300);
        // Reach the Pressed flag through real events, then set the state without drawing.
        item.HitTest(row.bPressed ? MousePosDown : MousePosUp, InsideX(), InsideY());
        item.State(row.state);
        MarkBorder();
        const int32_t x = row.bInside ? InsideX() : 110, y = row.bInside ? InsideY() : 5;
        const std::string where = std::to_string(row.state) + " / " + std::to_string(row.event) +
                                  (row.bInside ? " inside" : " outside") +
                                  (row.bPressed ? " pressed" : "");
        EXPECT_EQ(item.HitTest(row.event, x, y), row.bInside) << where;
        EXPECT_EQ(DrawnBorder(), row.drawn) << where;
        EXPECT_EQ(item.State(), row.stateAfter) << where;
        EXPECT_EQ(item.Pressed(), row.bPressedAfter) << where;
    }
}

TEST_F(MenuItemTest, PressLeaveComeBackRelease) {
    item.PaintButton(1, 0, 1, 300);
    const std::pair<int16_t, bool> steps[] = {
        {MousePosDown, true}, {MousePosMove, false}, {MousePosMove, true}, {MousePosUp, true}};
    const char* looks[] = {"sunken", "flat", "sunken", "raised"};
    for (int i = 0; i < 4; ++i) {
        MarkBorder();
        item.HitTest(steps[i].first, steps[i].second ? InsideX() : 110,
                     steps[i].second ? InsideY() : 5);
        EXPECT_EQ(DrawnBorder(), looks[i]) << "step " << i;
    }
    EXPECT_FALSE(item.Pressed());

    item.HitTest(MousePosDown, 110, 5);
    item.HitTest(MousePosUp, InsideX(), InsideY());
    EXPECT_EQ(item.State(), Raised) << "down outside, up inside";
    EXPECT_FALSE(item.Pressed());
}

TEST_F(MenuItemTest, AnItemNeverPaintedIgnoresThePointerAndBorders) {
    const auto before = Snapshot(*bar);
    EXPECT_FALSE(item.HitTest(MousePosDown, 0, 0));
    item.DrawBorder(Raised);
    EXPECT_EQ(item.State(), Flat);
    EXPECT_EQ(testing::Difference(*bar, before), Rect{});
}

TEST_F(MenuItemTest, PropertiesStoreTheirValues) {
    item.Left(10);
    item.Top(100);
    EXPECT_EQ(item.Right(), 42);
    EXPECT_EQ(item.Bottom(), 132);
    item.Left(INT32_MAX);
    EXPECT_EQ(item.Left(), 10) << "a far edge past the 32-bit range is refused";
    item.PictureURL("http://127.0.0.1/icon.ico");
    EXPECT_EQ(item.PictureURL(), "http://127.0.0.1/icon.ico");
    item.Parent(nullptr);
    EXPECT_TRUE(item.PaintButton(1, 0, 1, 300)) << "a null surface leaves the parent as it was";
}

TEST_F(MenuItemTest, WithoutSurfacesOrWithAbsurdNumbersNothingBreaks) {
    MenuItem bare;
    bare.Index(1);
    EXPECT_FALSE(bare.PaintButton(1, 0, 1, 300));
    EXPECT_TRUE(bare.Displayed());
    bare.DrawBorder(Raised);
    EXPECT_FALSE(bare.HitTest(MousePosDown, 0, 0));

    item.Index(INT32_MAX);
    item.PaintButton(INT32_MIN, INT32_MAX, INT32_MAX, INT32_MAX);  // every sum overflows
    bar = NewSurface(120, 300);
    item = MakeItem(1);
    EXPECT_TRUE(item.PaintButton(1, INT32_MAX, 1, 300));
    EXPECT_TRUE(AllAre(*bar, {44, 32, 76, 64}, kBg)) << "no icon row past the 32-bit range is read";
}

}  // namespace
}  // namespace tavrel
