#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "control/Automation.h"
#include "control/Tavrel.h"
#include "platform/NullHost.h"
#include "platform/qt/QtSurfaces.h"

namespace tavrel {
namespace {

// Random pointer events anywhere, random property assignments and host resizes, on real
// pixels; after every step the control answers all its getters. Run under the sanitizers, it
// also shows that painting reads and writes only inside the surfaces.
TEST(StressTest, RandomInputPropertiesAndResizes) {
    const char* configured = std::getenv("TAVREL_STRESS_STEPS");
    const int steps = configured ? std::atoi(configured) : 100000;
    std::mt19937 random(20261211);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };

    NullHost host(120, 300);
    struct Events final : TavrelEvents {
        void MenuItemClick(int32_t&, int32_t&) override { ++clicks; }
        int clicks = 0;
    } events;
    auto picMenu = qt::MakeSurface(120, 300);
    Tavrel control(host, events, picMenu, qt::MakeSurface(120, 69));
    control.OnCreate();
    control.InitDefaults();
    control.OnResize();
    control.OnPaint();

    const auto members = TavrelMembers();
    const auto number = [&]() -> int32_t {
        const int r = pick(0, 99);
        if (r < 90) return pick(-2, 12);
        if (r < 95) return pick(0, 1) ? INT32_MAX : INT32_MIN;
        return static_cast<int32_t>(random());
    };
    for (int step = 0; step < steps; ++step) {
        const int r = pick(0, 999);
        const float x = static_cast<float>(pick(-20, picMenu->Width() + 20)) + 0.5f * pick(0, 1);
        const float y = static_cast<float>(pick(-20, picMenu->Height() + 20));
        const int16_t button = static_cast<int16_t>(std::array<int, 4>{0, 1, 2, 4}[pick(0, 3)]);
        if (r < 600) {
            switch (pick(0, 3)) {
                case 0:
                    control.OnSurfaceMouseDown(button, 0, x, y);
                    break;
                case 1:
                    control.OnSurfaceMouseMove(button, 0, x, y);
                    break;
                case 2:
                    control.OnSurfaceMouseUp(button, 0, x, y);
                    break;
                default:
                    control.OnSurfaceDblClick();
                    break;
            }
        } else if (r < 990) {
            const AutomationMember& member =
                members[static_cast<size_t>(pick(0, static_cast<int>(members.size()) - 1))];
            if (member.kind == AutomationMember::Kind::Method) {
                (void)CallMethod(control, member.sName);
            } else if (member.type == AutomationMember::Type::Text) {
                (void)PutProperty(control, member.sName,
                                  std::string(static_cast<size_t>(pick(0, 24)),
                                              static_cast<char>('A' + pick(0, 25))));
            } else if (member.type == AutomationMember::Type::Picture) {
                const int side = pick(1, 48);
                (void)PutProperty(
                    control, member.sName,
                    pick(0, 4)
                        ? Picture(PixelImage{
                              side, side,
                              std::vector<uint32_t>(size_t(side) * side,
                                                    0xFF000000u | static_cast<uint32_t>(random()))})
                        : Picture());
            } else if (member.type == AutomationMember::Type::Bool) {
                (void)PutProperty(control, member.sName, pick(0, 3) != 0);
            } else {
                (void)PutProperty(control, member.sName, number());
            }
        } else if (r < 992) {
            host.SetClientSize(pick(1, 2000), pick(1, 2000));
            control.OnResize();
            control.OnPaint();
        } else {
            control.OnPaint();
        }
        for (const AutomationMember& member : members)
            if (member.get)
                ASSERT_FALSE(GetProperty(control, member.sName).IsError())
                    << member.sName << " at step " << step;
        ASSERT_GE(control.MenusMax(), 0);
        ASSERT_LE(control.MenusMax(), 6);
        ASSERT_LE(control.MenuItemsMax(), 10);
        ASSERT_EQ(control.oMenus()->Count(), control.MenusMax());
    }
    control.Enabled(true);
    control.OnDestroy();
    RecordProperty("clicks", events.clicks);
}

}  // namespace
}  // namespace tavrel
