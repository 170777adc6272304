#include <gtest/gtest.h>

#include "items/BarCodes.h"
#include "items/MenuItems.h"
#include "support/SurfaceTesting.h"

namespace tavrel {
namespace {

using testing::AllAre;
using testing::At;
using testing::Count;
using testing::IconColor;
using testing::NewIconCache;
using testing::NewSurface;

const Color kBg = ResolveColor(kBarBackground);

std::vector<int32_t> Indices(const MenuItems& list) {
    std::vector<int32_t> out;
    for (int32_t i = 1; i <= list.Count(); ++i) out.push_back(list.Item(i)->Index());
    return out;
}

class MenuItemsTest : public ::testing::Test {
protected:
    // n items at positions 1 to n, with the bar's surfaces, as a menu adds them.
    void Fill(int32_t n) {
        for (int32_t i = 1; i <= n; ++i) {
            MenuItem& item = list.Add("Item" + std::to_string(i), i, 18, Picture());
            item.Parent(bar);
            item.Cache(cache);
        }
    }
    // A point on item `index` as painted with the list unscrolled in menu 1.
    static int32_t YOf(int32_t index) { return 64 * index - 32 + 5; }

    std::shared_ptr<Surface> bar = NewSurface(120, 300);
    std::shared_ptr<Surface> cache = NewIconCache(120, 12);
    MenuItems list;
};

TEST_F(MenuItemsTest, InsertionFormsAndRefusals) {
    const struct Case {
        int32_t before;  // items already in the list, Index 1 to before
        int32_t lIndex;
        std::vector<int32_t> after;  // the Index values in list order afterwards
    } cases[] = {
        {0, 5, {5}},           // an empty list appends whatever lIndex is
        {3, 4, {1, 2, 3, 4}},  // Count + 1 appends
        {3, 1, {1, 1, 2, 3}},  // 1 goes first; the old items keep their numbers
        {3, 3, {1, 2, 3, 3}},  // after position 2
        {3, 0, {1, 2, 3}},     // refused
        {3, -1, {1, 2, 3}},    // refused
        {3, 5, {1, 2, 3}},     // refused
    };
    for (const Case& c : cases) {
        MenuItems fresh;
        for (int32_t i = 1; i <= c.before; ++i) fresh.Add("", i, 18, Picture());
        MenuItem& made = fresh.Add("new", c.lIndex, 18, Picture());
        EXPECT_EQ(made.Index(), c.lIndex) << "the new item is returned even when refused";
        EXPECT_EQ(made.Caption(), "new");
        EXPECT_EQ(Indices(fresh), c.after) << c.before << " + " << c.lIndex;
    }
}

TEST_F(MenuItemsTest, ItemAndDeleteOutsideTheListDoNothing) {
    Fill(3);
    EXPECT_EQ(list.Item(0), nullptr);
    EXPECT_EQ(list.Item(4), nullptr);
    EXPECT_EQ(list.Item(-1), nullptr);
    list.Delete(0);
    list.Delete(4);
    EXPECT_EQ(list.Count(), 3);
    list.Delete(2);
    EXPECT_EQ(Indices(list), (std::vector<int32_t>{1, 3})) << "the others keep their numbers";
}

TEST_F(MenuItemsTest, PaintsEveryItemForTheScrollPositionAndAnswersForTheLast) {
    Fill(3);
    // Scrolled to item 2, after three icons of earlier menus: item 2 shows icon 4 in slot 1.
    EXPECT_TRUE(list.Paint(2, 3, 1, 300));
    EXPECT_FALSE(list.Item(1)->Displayed());
    EXPECT_TRUE(AllAre(*bar, {44, 32, 76, 64}, IconColor(4)));
    EXPECT_TRUE(AllAre(*bar, {44, 96, 76, 128}, IconColor(5)));
    EXPECT_EQ(Count(*bar, {0, 0, 120, 300}, IconColor(3)), 0);
    EXPECT_GT(Count(*bar, {0, 68, 120, 81}, kWhite), 10) << "item 2's caption";
    EXPECT_GT(Count(*bar, {0, 132, 120, 145}, kWhite), 10) << "item 3's caption";
    EXPECT_EQ(Count(*bar, {0, 145, 120, 300}, kWhite), 0);

    EXPECT_FALSE(list.Paint(1, 0, 1, 150)) << "the last item is cut by the clip line";
    EXPECT_TRUE(list.Paint(4, 0, 1, 300)) << "the last item is scrolled off above";
    EXPECT_FALSE(MenuItems().Paint(1, 0, 1, 300)) << "an empty list";
}

TEST_F(MenuItemsTest, AClickIsAReleaseOnTheItemTheLastPressLandedOn) {
    Fill(4);
    list.Paint(1, 0, 1, 300);
    const int32_t x = 60, outsideX = 5;
    // Press on item 2, release on item 2.
    EXPECT_EQ(list.MouseProcess(MousePosDown, x, YOf(2)), 2);
    EXPECT_EQ(list.MouseProcess(MousePosUp, x, YOf(2)), 2);
    // Press on item 2, move to item 3, release there: no click, item 3 left raised.
    EXPECT_EQ(list.MouseProcess(MousePosDown, x, YOf(2)), 2);
    EXPECT_EQ(list.MouseProcess(MousePosMove, x, YOf(3)), 3);
    EXPECT_EQ(list.MouseProcess(MousePosUp, x, YOf(3)), 0);
    EXPECT_EQ(list.Item(3)->State(), Raised);
    EXPECT_EQ(list.Item(2)->State(), Flat);
    // Press on item 2, release outside; press on empty space, move onto 2, release there.
    list.MouseProcess(MousePosDown, x, YOf(2));
    EXPECT_EQ(list.MouseProcess(MousePosUp, outsideX, YOf(2)), 0);
    EXPECT_EQ(list.MouseProcess(MousePosDown, outsideX, YOf(2)), 0);
    EXPECT_EQ(list.LastDownIndex(), 2) << "a press over no item leaves the last press";
    list.MouseProcess(MousePosMove, x, YOf(2));
    EXPECT_EQ(list.MouseProcess(MousePosUp, x, YOf(2)), 2);
    // A move reports the item under the pointer whatever came before.
    EXPECT_EQ(list.MouseProcess(MousePosMove, x, YOf(4)), 4);
    EXPECT_EQ(list.MouseProcess(MousePosMove, outsideX, 5), 0);
    EXPECT_EQ(list.Item(4)->State(), Flat) << "moving off took the border away";
}

TEST_F(MenuItemsTest, WhereHitAreasOverlapTheLaterItemWins) {
    bar->Font(FontSpec{"Tahoma", 20, false});  // a caption cell over 21 pixels high
    Fill(3);
    list.Paint(1, 0, 1, 300);
    ASSERT_GT(list.Item(1)->HitRect().bottom, list.Item(2)->HitRect().top);
    const int32_t y = list.Item(2)->HitRect().top + 1;
    EXPECT_EQ(list.MouseProcess(MousePosDown, 60, y), 2);
    EXPECT_EQ(list.LastDownIndex(), 2);
    EXPECT_EQ(list.Item(1)->State(), Sunken) << "both items are hit and both sink";
    EXPECT_EQ(list.Item(2)->State(), Sunken);
    EXPECT_EQ(At(*bar, list.Item(2)->BorderRect().left, list.Item(2)->BorderRect().top),
              ResolveColor(SystemColor(SystemColorIndex::DarkShadow3D)));
}

}  // namespace
}  // namespace tavrel
