#include "control/Automation.h"

#include "support/ControlFixture.h"

namespace tavrel {
namespace {

using testing::ControlFixture;

TEST(AutomationTableTest, MembersInTheirOrderWithTheirIdentifiers) {
    const char* names[] = {"MenusMax",           "MenuCur",         "MenuStartup",
                           "MenuCaption",        "MenuItemCaption", "MenuItemIcon",
                           "MenuItemPictureURL", "MenuItemKey",     "MenuItemTag",
                           "MenuItemsMax",       "MenuItemCur",     "SetupCache",
                           "WhatsThisHelpID",    "ToolTipText",     "Refresh",
                           "MousePointer",       "Enabled",         "ClipControls",
                           "ShowAboutBox"};
    const auto members = TavrelMembers();
    ASSERT_EQ(members.size(), 19u);
    for (size_t i = 0; i < members.size(); ++i) {
        EXPECT_STREQ(members[i].sName, names[i]);
        EXPECT_EQ(members[i].lDispId, i == 18 ? -552 : static_cast<int32_t>(i + 1)) << names[i];
    }
    EXPECT_STREQ(FindMember("refresh")->sHelp, "Forces a complete repaint of a object.");
    EXPECT_EQ(FindMember("SHOWABOUTBOX")->kind, AutomationMember::Kind::Method);
    EXPECT_EQ(FindMember("MousePointer")->type, AutomationMember::Type::Int16);
    EXPECT_EQ(FindMember("Nothing"), nullptr);
}

class AutomationTest : public ControlFixture {};

TEST_F(AutomationTest, InvocationByNameInAnyCase) {
    ASSERT_FALSE(PutProperty(control, "menusmax", std::string("3")).IsError());
    EXPECT_EQ(control.MenusMax(), 3);
    ASSERT_FALSE(PutProperty(control, "MENUCUR", int32_t{2}).IsError());
    EXPECT_EQ(std::get<int32_t>(GetProperty(control, "menuCur").Value()), 2);
    EXPECT_EQ(std::get<std::string>(GetProperty(control, "MenuCaption").Value()), "Menu2");
    ASSERT_FALSE(PutProperty(control, "Enabled", std::string("True")).IsError());
    EXPECT_TRUE(control.Enabled());
    ASSERT_FALSE(PutProperty(control, "enabled", int32_t{0}).IsError());
    EXPECT_FALSE(control.Enabled());
    EXPECT_FALSE(CallMethod(control, "refresh").IsError());
    EXPECT_FALSE(CallMethod(control, "SetupCache").IsError());
    EXPECT_FALSE(CallMethod(control, "ShowAboutBox").IsError());

    EXPECT_TRUE(GetProperty(control, "Refresh").IsError()) << "a method is no property";
    EXPECT_TRUE(CallMethod(control, "MenusMax").IsError());
    EXPECT_TRUE(PutProperty(control, "Bogus", int32_t{1}).IsError());
    EXPECT_TRUE(PutProperty(control, "MenusMax", Picture()).IsError());
    EXPECT_EQ(control.MenusMax(), 3) << "a failed conversion changes nothing";
}

TEST(ConversionTest, TextToA32BitNumber) {
    const struct Case {
        const char* text;
        int32_t value;
        const char* error;  // null: converts
    } cases[] = {
        {"3", 3, nullptr},
        {" 3 ", 3, nullptr},
        {"2.5", 2, nullptr},
        {"3.5", 4, nullptr},
        {"-2.5", -2, nullptr},
        {"+7", 7, nullptr},
        {"1e3", 1000, nullptr},
        {"2.5E1", 25, nullptr},
        {"&H10", 16, nullptr},
        {"&hff", 255, nullptr},
        {"&O17", 15, nullptr},
        {"&HFFFFFFFF", -1, nullptr},
        {"True", -1, nullptr},
        {"false", 0, nullptr},
        {"", 0, "Type mismatch"},
        {"abc", 0, "Type mismatch"},
        {"3x", 0, "Type mismatch"},
        {"&H", 0, "Type mismatch"},
        {"&HG", 0, "Type mismatch"},
        {".", 0, "Type mismatch"},
        {"1e", 0, "Type mismatch"},
        {"99999999999", 0, "Overflow"},
        {"-2147483649", 0, "Overflow"},
        {"&H100000000", 0, "Overflow"},
        {"2147483647", INT32_MAX, nullptr},
        {"-2147483648", INT32_MIN, nullptr},
    };
    for (const Case& c : cases) {
        const ErrorOr<int32_t> result = conversion::ToInt32(std::string(c.text));
        if (c.error) {
            ASSERT_TRUE(result.IsError()) << '"' << c.text << '"';
            EXPECT_EQ(result.Error().sReason, c.error) << '"' << c.text << '"';
        } else {
            ASSERT_FALSE(result.IsError()) << '"' << c.text << '"';
            EXPECT_EQ(result.Value(), c.value) << '"' << c.text << '"';
        }
    }
}

TEST(ConversionTest, OtherTypes) {
    EXPECT_EQ(conversion::ToInt16(int32_t{40000}).Error().sReason, "Overflow");
    EXPECT_EQ(conversion::ToInt16(std::string("-5")).Value(), -5);
    EXPECT_EQ(conversion::ToInt32(true).Value(), -1);
    EXPECT_EQ(conversion::ToInt32(2.5).Value(), 2);
    EXPECT_EQ(conversion::ToInt32(Variant{}).Value(), 0);
    EXPECT_TRUE(conversion::ToBool(int32_t{-1}).Value());
    EXPECT_TRUE(conversion::ToBool(std::string("TRUE")).Value());
    EXPECT_FALSE(conversion::ToBool(std::string("0")).Value());
    EXPECT_TRUE(conversion::ToBool(std::string("yes")).IsError());
    EXPECT_EQ(conversion::ToText(false).Value(), "False");
    EXPECT_EQ(conversion::ToText(int16_t{-3}).Value(), "-3");
    EXPECT_TRUE(conversion::ToText(Picture()).IsError());
    EXPECT_TRUE(conversion::ToPicture(std::string("x")).IsError());
    EXPECT_TRUE(conversion::ToPicture(Variant{}).Value().IsEmpty());
}

}  // namespace
}  // namespace tavrel
