#include <gtest/gtest.h>

#include "items/Arrow.h"
#include "items/BarCodes.h"
#include "support/SurfaceTesting.h"

namespace tavrel {
namespace {

using testing::AllAre;
using testing::At;
using testing::NewSurface;
using testing::Snapshot;

const Color kBg = ResolveColor(kBarBackground);
const Color kRaisedCorner = ResolveColor(SystemColor(SystemColorIndex::Light3D));
const Color kPushedCorner = ResolveColor(SystemColor(SystemColorIndex::ButtonShadow));
constexpr Color kMarker = 0x00FF00FF;

class ArrowTest : public ::testing::Test {
protected:
    Arrow Make(int16_t type) {
        Arrow arrow;
        arrow.ArrowType(type);
        arrow.ButtonHeight(18);
        arrow.Parent(bar);
        return arrow;
    }
    // How the glyph was last drawn, judged by its top-left pixel.
    std::string Drawn(const Arrow& arrow) const {
        const Color c = At(*bar, arrow.ArrowRect().left, arrow.ArrowRect().top);
        return c == kMarker         ? "nothing"
               : c == kRaisedCorner ? "raised"
               : c == kPushedCorner ? "pushed"
                                    : "other";
    }
    void Mark(const Arrow& arrow) {
        bar->Box(arrow.ArrowRect().left, arrow.ArrowRect().top, arrow.ArrowRect().left,
                 arrow.ArrowRect().top, kMarker, BoxFill::Filled);
    }

    std::shared_ptr<Surface> bar = NewSurface(120, 300);
};

TEST_F(ArrowTest, PlacesTheUpArrowBelowTheTopStackAndTheDownArrowAboveTheBottomStack) {
    Arrow up = Make(ArrowUp);
    up.Show(1, 2, std::nullopt, 3);
    EXPECT_EQ(up.ArrowRect(), (Rect{101, 40, 114, 53}));
    EXPECT_TRUE(up.IsDisplayed());
    EXPECT_EQ(up.ArrowState(), ArrowRaised);
    EXPECT_EQ(At(*bar, 101, 40), kRaisedCorner);
    EXPECT_EQ(At(*bar, 107, 46), 0u) << "the glyph's apex at the centre";

    Arrow down = Make(ArrowDown);
    down.Show(1, 0, 3, 3);
    EXPECT_EQ(down.ArrowRect(), (Rect{101, 245, 114, 258}));
    EXPECT_EQ(At(*bar, 101, 245), kRaisedCorner);
    EXPECT_TRUE(AllAre(*bar, {114, 0, 120, 300}, kBg)) << "6 pixels inside the right edge";

    down.Show(1, 0, std::nullopt, 3);
    EXPECT_EQ(down.ArrowRect().top, 245) << "without MenusAtBottom the top stays";
}

TEST_F(ArrowTest, NothingIsDrawnWhereTheArrowCannotShow) {
    const auto before = Snapshot(*bar);
    Arrow up = Make(ArrowUp);
    up.Show(1, 0, std::nullopt, 3);
    EXPECT_FALSE(up.IsDisplayed()) << "no buttons at the top";
    EXPECT_EQ(up.ArrowRect().left, 0);

    bar->Visible(false);
    Arrow down = Make(ArrowDown);
    down.Show(1, 0, 3, 3);
    EXPECT_FALSE(down.IsDisplayed()) << "an invisible surface";
    bar->Visible(true);

    bar->Move(0, 0, 19, 300);
    Arrow narrow = Make(ArrowDown);
    narrow.Show(1, 0, 3, 3);
    EXPECT_EQ(narrow.ArrowRect().left, 0);
    EXPECT_FALSE(narrow.IsDisplayed()) << "a surface 19 pixels wide";
    Arrow unparented;
    unparented.Show(1, 2, 3, 3);
    EXPECT_FALSE(unparented.IsDisplayed());
    bar->Move(0, 0, 120, 300);
    EXPECT_EQ(testing::Difference(*bar, before), Rect{});
}

TEST_F(ArrowTest, HideRestoresTheBackground) {
    Arrow down = Make(ArrowDown);
    EXPECT_FALSE(down.HitTest(MousePosDown, 105, 250)) << "not shown";
    down.Hide();  // not shown: nothing
    down.Show(1, 0, 3, 3);
    down.HitTest(MousePosDown, 105, 250);
    down.Hide();
    EXPECT_FALSE(down.IsDisplayed());
    EXPECT_TRUE(AllAre(*bar, {0, 0, 120, 300}, kBg));
    EXPECT_EQ(down.ArrowState(), ArrowPushed) << "hiding keeps the state";
    EXPECT_TRUE(down.Pressed());
    down.Reset();
    EXPECT_FALSE(down.Pressed());
}

TEST_F(ArrowTest, HitTestFollowsTheStateTable) {
    const struct Row {
        int32_t state;
        int16_t event;
        bool bInside, bPressed;
        const char* drawn;
        int32_t stateAfter;
        bool bPressedAfter;
    } rows[] = {
        {ArrowRaised, MousePosDown, true, false, "pushed", ArrowPushed, true},
        {ArrowPushed, MousePosDown, true, true, "nothing", ArrowPushed, true},
        {ArrowRaised, MousePosMove, true, true, "pushed", ArrowPushed, true},
        {ArrowRaised, MousePosMove, true, false, "nothing", ArrowRaised, false},
        {ArrowPushed, MousePosMove, true, true, "nothing", ArrowPushed, true},
        {ArrowPushed, MousePosUp, true, true, "raised", ArrowRaised, false},
        {ArrowRaised, MousePosUp, true, true, "nothing", ArrowRaised, false},
        {ArrowPushed, MousePosDown, false, true, "raised", ArrowRaised, false},
        {ArrowRaised, MousePosDown, false, true, "nothing", ArrowRaised, false},
        {ArrowPushed, MousePosMove, false, true, "raised", ArrowRaised, true},
        {ArrowRaised, MousePosMove, false, true, "nothing", ArrowRaised, true},
        {ArrowPushed, MousePosUp, false, true, "nothing", ArrowPushed, false},
    };
    for (const Row& row : rows) {
        Arrow arrow = Make(ArrowDown);
        arrow.Show(1, 0, 3, 3);
        // Reach the state through real events: a press pushes, a move off raises again.
        if (row.bPressed) arrow.HitTest(MousePosDown, 105, 250);
        if (row.state == ArrowRaised) arrow.HitTest(MousePosMove, 5, 5);
        if (row.state == ArrowPushed && !row.bPressed) arrow.DrawBorder(ArrowPushed);
        ASSERT_EQ(arrow.ArrowState(), row.state);
        ASSERT_EQ(arrow.Pressed(), row.bPressed);
        Mark(arrow);
        const std::string where = std::to_string(row.state) + " / " + std::to_string(row.event) +
                                  (row.bInside ? " inside" : " outside");
        EXPECT_EQ(arrow.HitTest(row.event, row.bInside ? 105 : 5, row.bInside ? 250 : 5),
                  row.bInside)
            << where;
        EXPECT_EQ(Drawn(arrow), row.drawn) << where;
        EXPECT_EQ(arrow.ArrowState(), row.stateAfter) << where;
        EXPECT_EQ(arrow.Pressed(), row.bPressedAfter) << where;
    }
}

TEST_F(ArrowTest, PressDragOffDragBackRelease) {
    Arrow up = Make(ArrowUp);
    up.Show(1, 2, std::nullopt, 3);
    const struct {
        int16_t event;
        bool bInside;
        const char* look;
    } steps[] = {{MousePosDown, true, "pushed"},
                 {MousePosMove, false, "raised"},
                 {MousePosMove, true, "pushed"},
                 {MousePosUp, true, "raised"}};
    for (const auto& step : steps) {
        EXPECT_EQ(up.HitTest(step.event, step.bInside ? 105 : 60, step.bInside ? 45 : 100),
                  step.bInside);
        EXPECT_EQ(Drawn(up), step.look);
    }
    const auto before = Snapshot(*bar);
    up.DrawBorder(0);
    EXPECT_EQ(up.ArrowState(), ArrowRaised);
    EXPECT_EQ(testing::Difference(*bar, before), Rect{});
}

}  // namespace
}  // namespace tavrel
