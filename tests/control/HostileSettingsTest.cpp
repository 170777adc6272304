#include <chrono>
#include <filesystem>
#include <fstream>

#include "control/Tavrel.h"
#include "platform/NullHost.h"
#include "platform/qt/QtSurfaces.h"
#include "platform/qt/SettingsFile.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

std::string Entry(const std::string& key, const std::string& type, const std::string& value) {
    return "{\"key\": \"" + key + "\", \"type\": \"" + type + "\", \"value\": " + value + "}";
}

std::string File(const std::vector<std::string>& entries) {
    std::string values;
    for (const std::string& e : entries) values += (values.empty() ? "" : ",\n") + e;
    return "{\"format\": \"tavrel-settings\", \"version\": 1, \"values\": [" + values + "]}";
}

// Loads the text into a fresh control, paints it and saves it again; how long it took.
struct Outcome {
    bool bOpened = false;
    int32_t menus = -1;
    int32_t itemsOfFirst = -1;
    double seconds = 0;
};

Outcome LoadAndPaint(const std::string& text) {
    const auto start = std::chrono::steady_clock::now();
    Outcome outcome;
    auto file = qt::SettingsFile::FromText(text, "hostile.json");
    if (!file.IsError()) {
        outcome.bOpened = true;
        NullHost host;
        TavrelEvents events;
        Tavrel control(host, events, qt::MakeSurface(120, 300), qt::MakeSurface(120, 69));
        control.OnCreate();
        control.LoadSettings(file.Value());
        control.OnResize();
        control.OnPaint();
        outcome.menus = control.oMenus()->Count();
        outcome.itemsOfFirst =
            control.oMenus()->Count() ? control.oMenus()->Item(1)->MenuItemCount() : -1;
        qt::SettingsFile again;
        control.SaveSettings(again);
    }
    outcome.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return outcome;
}

TEST(HostileSettingsTest, CountsOutOfRangeOrOfTheWrongType) {
    const struct Case {
        const char* value;
        const char* type;
        int32_t menus;  // what loading leaves
    } cases[] = {
        {"-1", "int32", 0},         {"7", "int32", 0},    {"11", "int32", 0},
        {"2147483647", "int32", 0}, {"\"x\"", "text", 0}, {"\"3\"", "text", 3},
        {"true", "boolean", 0},     {"3.5", "int32", 0},  {"\"3\"", "int32", 0},
        {"null", "picture", 0},     {"6", "int16", 6},
    };
    for (const Case& c : cases) {
        const Outcome o = LoadAndPaint(File({Entry("MenusMax", c.type, c.value)}));
        ASSERT_TRUE(o.bOpened) << c.value;
        EXPECT_EQ(o.menus, c.menus) << c.type << " " << c.value;
    }
    for (const char* items : {"-1", "11", "2147483647", "\"many\""}) {
        const Outcome o = LoadAndPaint(
            File({Entry("MenusMax", "int32", "1"), Entry("MenuItemsMax1", "int32", items)}));
        EXPECT_EQ(o.itemsOfFirst, 1) << items << ": the setter refuses it and the first item stays";
    }
}

TEST(HostileSettingsTest, HugeValuesManyKeysAndBrokenFilesStayBounded) {
    std::vector<std::string> many{Entry("MenusMax", "int32", "2")};
    for (int i = 0; i < 10000; ++i)
        many.push_back(Entry("Key" + std::to_string(i), "text", "\"v\""));
    std::string nested(5000, '[');
    nested += std::string(5000, ']');
    const struct Case {
        const char* name;
        std::string text;
        bool bOpens;
    } cases[] = {
        {"a 10 MB caption",
         File({Entry("MenusMax", "int32", "1"),
               Entry("MenuCaption1", "text", "\"" + std::string(10 << 20, 'W') + "\"")}),
         true},
        {"10,000 keys", File(many), true},
        {"deeply nested", nested, false},
        {"deeply nested values", File({Entry("MenusMax", "int32", nested)}), false},
        {"empty", "", false},
        {"zeros", std::string(4096, '\0'), false},
        {"not base64",
         File({Entry("MenusMax", "int32", "1"), Entry("MenuItemIcon11", "picture", "\"***\"")}),
         true},
        {"not a PNG",
         File({Entry("MenusMax", "int32", "1"),
               Entry("MenuItemIcon11", "picture", "\"R0lGODlhAQABAAAAACw=\"")}),
         true},
        // A PNG that claims 100,000 x 100,000 pixels.
        {"a huge PNG",
         File({Entry("MenusMax", "int32", "1"),
               Entry("MenuItemIcon11", "picture",
                     "\"iVBORw0KGgoAAAANSUhEUgABhqAAAYagCAYAAAAJnRMbAAAAAElEQVQ=\"")}),
         true},
    };
    for (const Case& c : cases) {
        const Outcome o = LoadAndPaint(c.text);
        EXPECT_EQ(o.bOpened, c.bOpens) << c.name;
        EXPECT_LT(o.seconds, 30) << c.name;
        if (c.bOpens) EXPECT_GE(o.menus, 1) << c.name;
    }
}

}  // namespace
}  // namespace tavrel
