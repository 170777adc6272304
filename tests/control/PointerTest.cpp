#include "control/TavrelConstants.h"
#include "items/BarCodes.h"
#include "support/ControlFixture.h"

namespace tavrel {
namespace {

using testing::AllAre;
using testing::ControlFixture;

// Menu 1 of 3 open with four items on a 120 x 300 bar: item k's icon at rows 64k - 32 on, the
// buttons of menus 2 and 3 at rows 264 and 282, the down arrow at (101, 245).
class PointerTest : public ControlFixture {
protected:
    void SetUp() override {
        ControlFixture::SetUp();
        control.MenusMax(3);
        control.MenuItemsMax(4);
        control.OnPaint();
        host.Clear();
    }
    void Press(float x, float y, int16_t button = 1) {
        control.OnSurfaceMouseDown(button, 0, x, y);
    }
    void Release(float x, float y, int16_t button = 1) {
        control.OnSurfaceMouseUp(button, 0, x, y);
    }
    void Move(float x, float y, int16_t buttons = 0) {
        control.OnSurfaceMouseMove(buttons, 0, x, y);
    }
    void Click(float x, float y) {
        Press(x, y);
        Release(x, y);
    }
    static float ItemY(int32_t k) { return static_cast<float>(64 * k - 32 + 10); }
    MenuItem& Item(int32_t menu, int32_t k) {
        return *control.oMenus()->Item(menu)->MenuItemItem(k);
    }
    int64_t Frames() const { return picMenu->FramesPresented(); }
};

TEST_F(PointerTest, APressOnACaptionButtonOpensItsMenuBeforeTheRelease) {
    const int64_t before = Frames();
    Press(60, 290);
    EXPECT_EQ(control.MenuCur(), 3);
    EXPECT_EQ(Frames() - before, 245) << "the buttons slid";
    EXPECT_EQ(host.Notifications().back(), "MenuCur");
    host.Clear();
    Press(60, 40);  // menu 3's own button, now at the top
    EXPECT_EQ(host.Notifications().back(), "MenuCur") << "the same menu is set again";
    EXPECT_EQ(Frames() - before, 245) << "and repainted without a slide";
    Release(60, 40);
    EXPECT_TRUE(events.clicks.empty());
}

TEST_F(PointerTest, OnlyTheLeftButtonPressesAndReleasesButMovesAlwaysHover) {
    for (const int16_t button : {2, 4}) {
        Press(60, 290, button);
        Release(60, 290, button);
        Press(60, ItemY(2), button);
        Release(60, ItemY(2), button);
    }
    EXPECT_EQ(control.MenuCur(), 1);
    EXPECT_TRUE(events.clicks.empty());
    Move(60, ItemY(2), 2);
    EXPECT_EQ(Item(1, 2).State(), Raised) << "hover with the right button held";
}

TEST_F(PointerTest, TheRoadOfAClick) {
    Press(60, ItemY(2));
    EXPECT_EQ(Item(1, 2).State(), Sunken);
    Release(60, ItemY(2));
    ASSERT_EQ(events.clicks.size(), 1u);
    EXPECT_EQ(events.clicks[0], (std::pair<int32_t, int32_t>{1, 2}));
    EXPECT_EQ(Item(1, 2).State(), Flat) << "no hover border after the event";

    Press(60, ItemY(2));
    Release(60, ItemY(3));
    EXPECT_EQ(events.clicks.size(), 1u) << "press and release on different items";
    Click(105, 250);  // the down arrow
    EXPECT_EQ(events.clicks.size(), 1u) << "arrows raise nothing";
    EXPECT_EQ(control.oMenus()->Item(1)->TopMenuItem(), 2);
}

TEST_F(PointerTest, ADoubleClickOnAnItemRaisesTheEventTwice) {
    host.cursor = {host.clientOrigin.x + 60, host.clientOrigin.y + static_cast<int32_t>(ItemY(3))};
    Press(60, ItemY(3));
    Release(60, ItemY(3));
    control.OnSurfaceDblClick();
    Release(60, ItemY(3));
    EXPECT_EQ(events.clicks, (std::vector<std::pair<int32_t, int32_t>>{{1, 3}, {1, 3}}));
}

TEST_F(PointerTest, PositionsAreRoundedHalfToEven) {
    // Item 1's hit area spans x = 38 to 81.
    const std::pair<float, int16_t> cases[] = {
        {37.5f, Raised}, {38.5f, Raised}, {36.5f, Flat}, {80.5f, Raised}, {81.5f, Flat}};
    for (const auto& [x, state] : cases) {
        Move(5, 5);
        Move(x, ItemY(1));
        EXPECT_EQ(Item(1, 1).State(), state) << x;
    }
}

TEST_F(PointerTest, AHandlerAssigningMenuNumberChangesTheCurrentMenuDirectly) {
    events.during = [](int32_t& MenuNumber, int32_t& MenuItem) {
        MenuNumber = 2;
        MenuItem = 9;  // lost
    };
    host.Clear();
    Click(60, ItemY(1));
    EXPECT_EQ(control.MenuCur(), 2);
    EXPECT_EQ(control.oMenus()->MenuCur(), 1) << "none of the setter's effects";
    EXPECT_TRUE(host.Notifications().empty());
}

TEST_F(PointerTest, ADisabledControlTakesNoInput) {
    control.Enabled(false);
    Move(60, ItemY(1));
    Press(60, 290);
    Click(60, ItemY(1));
    EXPECT_EQ(Item(1, 1).State(), Flat);
    EXPECT_EQ(control.MenuCur(), 1);
    EXPECT_TRUE(events.clicks.empty());
    control.Enabled(true);
    Click(60, ItemY(1));
    EXPECT_EQ(events.clicks.size(), 1u);
}

TEST(ReentrancyTest, HandlersMayChangeAnythingWhileTheEventRuns) {
    const struct Case {
        const char* name;
        std::function<void(Tavrel&)> handler;
    } cases[] = {
        {"MenusMax = 0", [](Tavrel& c) { c.MenusMax(0); }},
        {"MenuItemsMax = 0", [](Tavrel& c) { c.MenuItemsMax(0); }},
        {"MenuCur = 2", [](Tavrel& c) { c.MenuCur(2); }},
        {"SetupCache", [](Tavrel& c) { c.SetupCache(); }},
        {"Refresh", [](Tavrel& c) { (void)c.Refresh(); }},
        {"OnDestroy", [](Tavrel& c) { c.OnDestroy(); }},
    };
    for (const Case& c : cases) {
        testing::RecordingHost host;
        testing::RecordingEvents events;
        auto picMenu = qt::MakeSurface(120, 300);
        Tavrel control(host, events, picMenu, qt::MakeSurface(120, 69));
        host.onResize = [&] { control.OnResize(); };
        control.OnCreate();
        control.InitDefaults();
        control.OnResize();
        control.MenusMax(3);
        control.MenuItemsMax(4);
        control.OnPaint();
        events.during = [&](int32_t&, int32_t&) { c.handler(control); };
        const float y = 64 - 32 + 10;
        control.OnSurfaceMouseDown(1, 0, 60, y);
        control.OnSurfaceMouseUp(1, 0, 60, y);
        EXPECT_EQ(events.clicks.size(), 1u) << c.name;
        // Whatever the handler left, the bar goes on answering.
        control.OnSurfaceMouseMove(0, 0, 60, y);
        control.OnSurfaceMouseDown(1, 0, 60, 290);
        control.OnSurfaceMouseUp(1, 0, 60, 290);
        control.OnPaint();
        if (std::string(c.name) == "MenusMax = 0") {
            EXPECT_TRUE(AllAre(*picMenu, {0, 0, 120, 300}, ResolveColor(kBarBackground)))
                << "with no menus the bar is just cleared";
        }
        if (std::string(c.name) == "MenuCur = 2") {
            EXPECT_EQ(control.MenuCur(), 3) << "the later press opened menu 3";
        }
        control.OnDestroy();
    }
}

}  // namespace
}  // namespace tavrel
