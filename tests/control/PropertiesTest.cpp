#include "control/TavrelConstants.h"
#include "items/BarCodes.h"
#include "support/ControlFixture.h"

namespace tavrel {
namespace {

using testing::ControlFixture;

class PropertiesTest : public ControlFixture {
protected:
    std::vector<std::string> ItemCaptions(int32_t menu) {
        std::vector<std::string> captions;
        VMenu* m = control.oMenus()->Item(menu);
        for (int32_t i = 1; i <= m->MenuItemCount(); ++i)
            captions.push_back(m->MenuItemItem(i)->Caption());
        return captions;
    }
};

TEST_F(PropertiesTest, OutOfRangeValuesAreRefusedWithABeepAndTheirMessage) {
    const struct Case {
        const char* name;
        std::function<void(Tavrel&)> set;
        const char* message;
    } cases[] = {
        {"MenusMax 7", [](Tavrel& c) { c.MenusMax(7); }, "MenusMax must be between 0 and 6"},
        {"MenusMax -1", [](Tavrel& c) { c.MenusMax(-1); }, "MenusMax must be between 0 and 6"},
        {"MenuItemsMax 11", [](Tavrel& c) { c.MenuItemsMax(11); },
         "MenuItemsMax must be between 0 and 10"},
        {"MenuItemsMax -1", [](Tavrel& c) { c.MenuItemsMax(-1); },
         "MenuItemsMax must be between 0 and 10"},
        {"MenuItemCur 2", [](Tavrel& c) { c.MenuItemCur(2); },
         "The current item must be between 0 and MenuItemsMax"},
        {"MenuItemCur -1", [](Tavrel& c) { c.MenuItemCur(-1); },
         "The current item must be between 0 and MenuItemsMax"},
    };
    for (const Case& c : cases) {
        host.Clear();
        c.set(control);
        EXPECT_EQ(host.log,
                  (std::vector<std::string>{"Beep", std::string("MessageBox ") + c.message}))
            << c.name;
        EXPECT_EQ(control.MenusMax(), 1);
        EXPECT_EQ(control.MenuItemsMax(), 1);
        EXPECT_EQ(control.MenuItemCur(), 1);
        EXPECT_EQ(control.oMenus()->Count(), 1);
        EXPECT_EQ(control.oMenus()->Item(1)->MenuItemCount(), 1);
    }
}

TEST_F(PropertiesTest, GrowingTheMenus) {
    control.MenusMax(3);
    ASSERT_EQ(control.oMenus()->Count(), 3);
    EXPECT_EQ(control.oMenus()->Item(2)->Caption(), "Menu2");
    EXPECT_EQ(control.oMenus()->Item(3)->Caption(), "Menu3");
    EXPECT_EQ(ItemCaptions(3), (std::vector<std::string>{"Item"}));
    EXPECT_EQ(control.oMenus()->Item(3)->MenuItemItem(1)->Button(), control.DefaultIcon());
    EXPECT_EQ(control.MenuCur(), 1) << "the cursor is put back";
    EXPECT_EQ(control.MenuCaption(), "Menu3") << "the last caption set";
    EXPECT_EQ(host.Notifications(),
              (std::vector<std::string>{"MenuCaption", "MenuCaption", "MenusMax"}));
    EXPECT_EQ(control.picCache()->Height(), 68 + 3 * 32);
}

TEST_F(PropertiesTest, ShrinkingTheMenusPastTheCurrentOne) {
    control.MenusMax(3);
    control.MenuCur(3);
    control.MenuItemsMax(3);
    control.MenuItemCur(3);
    control.OnPaint();
    control.MenusMax(1);
    EXPECT_EQ(control.oMenus()->Count(), 1);
    EXPECT_EQ(control.MenuCur(), 1);
    EXPECT_EQ(control.MenuItemCur(), 1);
    EXPECT_EQ(control.MenuItemsMax(), 1);
    EXPECT_EQ(control.MenuCaption(), "Menu1");

    control.MenusMax(0);
    EXPECT_EQ(control.oMenus()->Count(), 0);
    EXPECT_EQ(control.MenuCur(), 0);
    EXPECT_EQ(control.picCache()->Height(), 68) << "no slots";
    control.OnPaint();
}

TEST_F(PropertiesTest, SettingACountToItsValueStillRebuildsRepaintsAndNotifies) {
    control.OnPaint();
    control.OnResize();  // the cache is 69 rows high until the next rebuild
    picMenu->Box(2, 5, 2, 5, 0x00FF00FF, BoxFill::Filled);
    control.MenusMax(1);
    EXPECT_EQ(control.picCache()->Height(), 100);
    EXPECT_NE(picMenu->Point(2, 5), 0x00FF00FFu) << "repainted";
    EXPECT_EQ(host.Notifications().back(), "MenusMax");
    control.OnResize();
    control.MenuItemsMax(1);
    EXPECT_EQ(control.picCache()->Height(), 100);
    EXPECT_EQ(host.Notifications().back(), "MenuItemsMax");
}

TEST_F(PropertiesTest, GrowingAndShrinkingTheItems) {
    control.MenuItemsMax(4);
    EXPECT_EQ(ItemCaptions(1), (std::vector<std::string>{"Item", "Item2", "Item3", "Item4"}));
    EXPECT_EQ(control.MenuItemCur(), 1);
    control.MenuItemCur(4);
    control.MenuItemsMax(2);
    EXPECT_EQ(ItemCaptions(1), (std::vector<std::string>{"Item", "Item2"}));
    EXPECT_EQ(control.MenuItemCur(), 2);
    control.MenuItemCur(1);
    control.MenuItemsMax(0);
    EXPECT_EQ(control.MenuItemCur(), 0);
    control.MenuItemsMax(3);
    control.MenuItemCur(1);
    control.MenuItemsMax(2);
    EXPECT_EQ(control.MenuItemCur(), 1) << "a current item that stays is kept";
}

TEST_F(PropertiesTest, TheCursorAddressesMenusAndItems) {
    control.MenusMax(3);
    control.MenuCur(2);
    control.MenuItemsMax(3);
    control.MenuItemCur(0);
    EXPECT_EQ(control.MenuItemKey(), "") << "item 0 is no item";
    control.MenuItemKey("k");  // changes nothing, still notifies
    EXPECT_EQ(host.Notifications().back(), "MenuItemKey");
    control.MenuItemCur(3);
    control.MenuItemKey("key");
    control.MenuItemTag("tag");
    control.MenuItemCaption("Drei");
    EXPECT_EQ(control.oMenus()->Item(2)->MenuItemItem(3)->Key(), "key");
    EXPECT_EQ(control.MenuItemTag(), "tag");
    EXPECT_EQ(control.MenuItemCaption(), "Drei");

    control.MenuCur(9);
    EXPECT_EQ(control.MenuCur(), 9);
    EXPECT_EQ(control.MenuItemsMax(), 3) << "no menu 9: the count stays";
    EXPECT_EQ(control.MenuCaption(), "Menu2");
    EXPECT_EQ(control.MenuItemCaption(), "Drei") << "no current item: the last caption read";
    EXPECT_TRUE(control.MenuItemIcon().IsEmpty());
    control.MenuCaption("Nine");  // stored, though no menu takes it
    EXPECT_EQ(control.MenuCaption(), "Nine");
    control.OnPaint();
}

TEST_F(PropertiesTest, EverySetterNotifiesItsOwnNameLast) {
    const std::pair<const char*, std::function<void(Tavrel&)>> setters[] = {
        {"MenusMax", [](Tavrel& c) { c.MenusMax(2); }},
        {"MenuCur", [](Tavrel& c) { c.MenuCur(2); }},
        {"MenuStartup", [](Tavrel& c) { c.MenuStartup(2); }},
        {"MenuCaption", [](Tavrel& c) { c.MenuCaption("x"); }},
        {"MenuItemsMax", [](Tavrel& c) { c.MenuItemsMax(2); }},
        {"MenuItemCur", [](Tavrel& c) { c.MenuItemCur(2); }},
        {"MenuItemCaption", [](Tavrel& c) { c.MenuItemCaption("y"); }},
        {"MenuItemIcon", [](Tavrel& c) { c.MenuItemIcon(Picture()); }},
        {"MenuItemPictureURL", [](Tavrel& c) { c.MenuItemPictureURL(""); }},
        {"MenuItemKey", [](Tavrel& c) { c.MenuItemKey("k"); }},
        {"MenuItemTag", [](Tavrel& c) { c.MenuItemTag("t"); }},
    };
    for (const auto& [name, set] : setters) {
        host.Clear();
        set(control);
        ASSERT_FALSE(host.Notifications().empty()) << name;
        EXPECT_EQ(host.Notifications().back(), name);
    }
}

TEST_F(PropertiesTest, KeysAndTagsNeverRepaintCaptionsAndIconsDo) {
    control.OnPaint();
    const auto mark = [&] { picMenu->Box(2, 5, 2, 5, 0x00FF00FF, BoxFill::Filled); };
    const auto repainted = [&] { return picMenu->Point(2, 5) != 0x00FF00FFu; };
    mark();
    control.MenuItemKey("k");
    control.MenuItemTag("t");
    EXPECT_FALSE(repainted());
    control.MenuItemCaption("New");
    EXPECT_TRUE(repainted());
    mark();
    control.MenuItemIcon(Solid(32, 0xFF0000FF));
    EXPECT_TRUE(repainted());
    EXPECT_TRUE(testing::AllAre(*picCache, Slot(1), 0x00FF0000)) << "the cache took the new icon";
}

TEST_F(PropertiesTest, TheCursorSettersAreIgnoredWhileADownloadIsApplied) {
    control.MenusMax(2);
    control.MenuItemPictureURL("http://127.0.0.1/a.png");
    int32_t menuDuring = -1, itemDuring = -1;
    host.onNotify = [&](const std::string& name) {
        if (name != "MenuItemIcon") return;
        control.MenuCur(2);
        control.MenuItemCur(0);
        menuDuring = control.MenuCur();
        itemDuring = control.MenuItemCur();
    };
    host.Clear();
    control.OnDownloadComplete("11", Solid(8, 0xFF00FF00), "http://127.0.0.1/a.png");
    EXPECT_EQ(menuDuring, 1);
    EXPECT_EQ(itemDuring, 1);
    EXPECT_EQ(host.Notifications(), (std::vector<std::string>{"MenuItemIcon"}));
    EXPECT_EQ(control.MenuItemIcon().Width(), 8);
}

}  // namespace
}  // namespace tavrel
