#include "control/DesignIcon.h"
#include "control/TavrelConstants.h"
#include "items/BarCodes.h"
#include "support/ControlFixture.h"

namespace tavrel {
namespace {

using testing::AllAre;
using testing::ControlFixture;
using testing::Count;
using testing::RecordingEvents;
using testing::RecordingHost;

const Color kBg = ResolveColor(kBarBackground);

TEST(LifecycleTest, ANewInstanceHasOneMenuWithOneItemAndPaintsNothingWhileInitialising) {
    RecordingHost host;
    RecordingEvents events;
    auto picMenu = qt::MakeSurface(120, 300);
    picMenu->BackColor(0x00FF00FF);
    picMenu->Cls();
    Tavrel control(host, events, picMenu, qt::MakeSurface(120, 69));
    EXPECT_FALSE(control.ControlPicture().IsEmpty()) << "the design icon, until taken";
    control.OnCreate();
    control.InitDefaults();
    EXPECT_TRUE(AllAre(*picMenu, {0, 0, 120, 300}, 0x00FF00FF))
        << "nothing painted while initialising";

    EXPECT_EQ(control.MenusMax(), 1);
    EXPECT_EQ(control.MenuCur(), 1);
    EXPECT_EQ(control.MenuStartup(), 1);
    EXPECT_EQ(control.MenuItemsMax(), 1);
    EXPECT_EQ(control.MenuItemCur(), 1);
    EXPECT_EQ(control.MenuCaption(), "Menu1");
    EXPECT_EQ(control.MenuItemCaption(), "Item");
    EXPECT_FALSE(control.Enabled());
    EXPECT_FALSE(control.Initialising());
    EXPECT_TRUE(control.ControlPicture().IsEmpty()) << "the control never shows its icon";
    EXPECT_EQ(control.MenuItemIcon(), control.DefaultIcon());
    EXPECT_EQ(control.DefaultIcon().Image()->argb, DesignIcon().Image()->argb);
    EXPECT_EQ(control.oMenus()->Item(1)->Caption(), "Menu1");
    EXPECT_EQ(picMenu->BackColor(), kBarBackground);
    EXPECT_EQ(control.picCache()->Height(), 68 + 32) << "the cache was rebuilt for one item";

    control.OnResize();
    control.OnPaint();
    EXPECT_EQ(Count(*picMenu, {0, 0, 120, 300}, 0x00FF00FF), 0) << "a paint clears the changed bar";
    control.OnDestroy();
    EXPECT_EQ(control.oMenus(), nullptr);
}

class ResizeTest : public ControlFixture {};

TEST_F(ResizeTest, TheControlIsNeverNarrowerThan1320Twips) {
    host.lExtenderWidth = 900;
    host.lClientWidth = 60;
    host.lClientHeight = 1000;
    control.OnResize();
    EXPECT_EQ(host.lExtenderWidth, kMinExtenderWidth);
    EXPECT_EQ(picMenu->Width(), 1320 / 15);
    EXPECT_EQ(picMenu->Height(), 1000) << "any height is accepted";
    EXPECT_EQ(control.picCache()->Height(), 69);
    EXPECT_EQ(control.picCache()->Width(), 88);
}

TEST_F(ResizeTest, OnShowResizesTwiceAndLeavesTheWidth) {
    const int32_t before = host.lExtenderWidth;
    host.widthChanges = 0;
    EXPECT_FALSE(control.OnShow().IsError());
    EXPECT_EQ(host.widthChanges, 2);
    EXPECT_EQ(host.lExtenderWidth, before);
    host.bHasWidth = false;
    EXPECT_TRUE(control.OnShow().IsError()) << "a host without Width makes OnShow fail";
    control.OnResize();  // suppressed: no failure escapes
}

TEST_F(ResizeTest, PaintingFollowsVisibilityAndRefreshRepaints) {
    control.OnPaint();
    const auto painted = testing::Snapshot(*picMenu);
    picMenu->Cls();
    picMenu->Visible(false);
    control.OnPaint();
    EXPECT_FALSE(control.Refresh().IsError());
    EXPECT_TRUE(AllAre(*picMenu, {0, 0, 120, 300}, kBg)) << "a hidden surface is not painted";
    picMenu->Visible(true);
    EXPECT_FALSE(control.Refresh().IsError());
    EXPECT_EQ(testing::Snapshot(*picMenu), painted);
}

TEST_F(ResizeTest, SimpleStoredPropertiesComeBackAndOnlyEnabledIsApplied) {
    control.ToolTipText("Navigate");
    control.MousePointer(11);
    control.WhatsThisHelpID(-7);
    control.ClipControls(true);
    EXPECT_EQ(control.ToolTipText(), "Navigate");
    EXPECT_EQ(control.MousePointer(), 11);
    EXPECT_EQ(control.WhatsThisHelpID(), -7);
    EXPECT_TRUE(control.ClipControls());
    EXPECT_TRUE(picMenu->Enabled()) << "a new instance reads False yet takes input";
    control.Enabled(false);
    EXPECT_FALSE(picMenu->Enabled());
    EXPECT_FALSE(host.bWindowEnabled);
    control.Enabled(true);
    EXPECT_TRUE(picMenu->Enabled());
    EXPECT_EQ(host.Notifications(),
              (std::vector<std::string>{"ToolTipText", "MousePointer", "WhatsThisHelpID",
                                        "ClipControls", "Enabled", "Enabled"}));
    EXPECT_EQ(Tavrel::kPropertyPages[0], std::string("Menues"));
    EXPECT_EQ(Tavrel::kPropertyPages[2], std::string("MenuItemObjects"));
}

TEST(ProbeTest, TheParentProbeDecidesHowIconsAreSaved) {
    for (const bool bAccepts : {true, false}) {
        RecordingHost host;
        host.bAcceptsParent = bAccepts;
        RecordingEvents events;
        Tavrel control(host, events, qt::MakeSurface(120, 300), qt::MakeSurface(120, 69));
        control.OnCreate();
        control.InitDefaults();
        EXPECT_EQ(control.IconsInBag(), bAccepts);
    }
}

}  // namespace
}  // namespace tavrel
