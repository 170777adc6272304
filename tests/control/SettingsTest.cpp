#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "control/DesignIcon.h"
#include "platform/qt/SettingsFile.h"
#include "support/ControlFixture.h"
#include "support/MemoryBag.h"

namespace tavrel {
namespace {

using testing::ControlFixture;
using testing::MemoryBag;
using testing::RecordingEvents;
using testing::RecordingHost;

std::string Show(const Variant& v) {
    if (const auto* b = std::get_if<bool>(&v)) return *b ? "True" : "False";
    if (const auto* i = std::get_if<int16_t>(&v)) return "i16 " + std::to_string(*i);
    if (const auto* i = std::get_if<int32_t>(&v)) return std::to_string(*i);
    if (const auto* s = std::get_if<std::string>(&v)) return '"' + *s + '"';
    if (const auto* p = std::get_if<Picture>(&v)) return p->IsEmpty() ? "no picture" : "picture";
    return "?";
}

// A control loaded from a bag, on a host that accepts or refuses the parent probe.
struct Loaded {
    explicit Loaded(PropertyBag& bag, bool bIconsInBag = true) {
        host.bAcceptsParent = bIconsInBag;
        host.onResize = [this] { control.OnResize(); };
        control.OnCreate();
        control.LoadSettings(bag);
        control.OnResize();
    }
    RecordingHost host;
    RecordingEvents events;
    std::shared_ptr<Surface> picMenu = qt::MakeSurface(120, 300);
    Tavrel control{host, events, picMenu, qt::MakeSurface(120, 69)};
};

class SettingsTest : public ControlFixture {};

TEST_F(SettingsTest, ANewInstanceWritesEveryKeyInOrder) {
    MemoryBag bag;
    control.SaveSettings(bag);
    std::vector<std::string> written;
    for (const auto& w : bag.writes) written.push_back(w.sKey + "=" + Show(w.value));
    EXPECT_EQ(
        written,
        (std::vector<std::string>{
            "Enabled=False", "ToolTipText=\"\"", "WhatsThisHelpID=0", "MenusMax=1", "MenuCur=1",
            "MenuStartup=1", "MenuCaption1=\"Menu1\"", "MenuItemsMax1=1", "MenuItemIcon11=picture",
            "MenuItemCaption11=\"Item\"", "MenuItemKey11=\"\"", "MenuItemTag11=\"\"",
            "MenuItemIcon0=picture", "WhatsThisHelpID=0", "ToolTipText=\"\"", "MousePointer=i16 0",
            "Enabled=False", "AutoRedraw=False", "ClipControls=False"}));
    EXPECT_EQ(std::get<Picture>(bag.writes[12].vDefault), control.DefaultIcon())
        << "the default icon is written with itself as the default";

    host.bAcceptsParent = false;
    control.InitDefaults();
    MemoryBag locations;
    control.SaveSettings(locations);
    EXPECT_EQ(locations.writes[8].sKey, "MenuItemPictureURL11");
}

TEST_F(SettingsTest, ItemKeysEndInTheMenuAndItemNumbers) {
    control.MenuItemsMax(10);
    MemoryBag bag;
    control.SaveSettings(bag);
    EXPECT_TRUE(bag.values.count("MenuItemCaption110"));
    EXPECT_EQ(std::get<std::string>(bag.values["MenuItemCaption110"]), "Item10");
    EXPECT_EQ(control.MenuItemCaption(), "Item") << "the cursor is back on item 1";
}

TEST(LoadSettingsTest, DefaultsFillWhatTheBagLeavesOut) {
    MemoryBag bag;
    bag.values["MenusMax"] = int32_t{3};
    Loaded loaded(bag);
    Tavrel& c = loaded.control;
    ASSERT_EQ(c.oMenus()->Count(), 3);
    for (int32_t m = 1; m <= 3; ++m) {
        EXPECT_EQ(c.oMenus()->Item(m)->Caption(), "Menu") << "the loaded default caption";
        EXPECT_EQ(c.oMenus()->Item(m)->MenuItemItem(1)->Caption(), "Item");
        EXPECT_EQ(c.oMenus()->Item(m)->MenuItemItem(1)->Button(), c.DefaultIcon());
    }
    EXPECT_EQ(c.DefaultIcon().Image()->argb, DesignIcon().Image()->argb) << "no MenuItemIcon0";
    EXPECT_EQ(c.MenuCur(), 1);
    EXPECT_FALSE(c.Initialising());
}

TEST(LoadSettingsTest, TheStartupMenuOpens) {
    MemoryBag bag;
    bag.values = {{"MenusMax", int32_t{3}},
                  {"MenuCur", int32_t{2}},
                  {"MenuStartup", int32_t{3}},
                  {"MenuItemsMax3", int32_t{2}},
                  {"Enabled", false}};
    Loaded loaded(bag);
    EXPECT_EQ(loaded.control.MenuCur(), 3);
    EXPECT_EQ(loaded.control.oMenus()->MenuCur(), 3);
    EXPECT_EQ(loaded.control.MenuItemsMax(), 2);
    EXPECT_EQ(loaded.control.MenuItemCur(), 1);
    EXPECT_FALSE(loaded.control.Enabled());
    EXPECT_TRUE(loaded.picMenu->Enabled()) << "a loaded False does not disable the control";
}

TEST(LoadSettingsTest, IconsOrLocationsByTheParentProbe) {
    MemoryBag bag;
    const Picture red(PixelImage{1, 1, {0xFFFF0000}});
    bag.values = {{"MenusMax", int32_t{1}},
                  {"MenuItemsMax1", int32_t{2}},
                  {"MenuItemIcon11", red},
                  {"MenuItemPictureURL11", std::string("http://127.0.0.1/a.png")}};
    Loaded icons(bag, true);
    EXPECT_EQ(icons.control.oMenus()->Item(1)->MenuItemItem(1)->Button(), red);
    EXPECT_TRUE(icons.host.downloads.empty()) << "locations are ignored";

    Loaded locations(bag, false);
    EXPECT_NE(locations.control.oMenus()->Item(1)->MenuItemItem(1)->Button(), red);
    ASSERT_EQ(locations.host.downloads.size(), 2u) << "every item's location, empty ones too";
    EXPECT_EQ(locations.host.downloads[0].sTarget, "http://127.0.0.1/a.png");
    EXPECT_EQ(locations.host.downloads[0].sTag, "11");
    EXPECT_EQ(locations.host.downloads[1].sTarget, "");
}

TEST(LoadSettingsTest, OutOfRangeCountsAreRefusedByTheSetters) {
    MemoryBag bag;
    bag.values = {
        {"MenusMax", int32_t{2}}, {"MenuItemsMax1", int32_t{12}}, {"MenuItemsMax2", int32_t{0}}};
    Loaded loaded(bag);
    std::vector<std::string> refusals;
    for (const std::string& line : loaded.host.log)
        if (line.rfind("PropertyChanged", 0) != 0) refusals.push_back(line);
    EXPECT_EQ(refusals, (std::vector<std::string>{
                            "Beep", "MessageBox MenuItemsMax must be between 0 and 10", "Beep",
                            "MessageBox The current item must be between 0 and MenuItemsMax"}));
    EXPECT_EQ(loaded.control.oMenus()->Item(1)->MenuItemCount(), 1);
    MemoryBag bad;
    bad.values = {{"MenusMax", int32_t{9}}};
    Loaded none(bad);
    EXPECT_EQ(none.control.oMenus()->Count(), 0);
}

// --- the settings file --------------------------------------------------------------------------

class SettingsFileTest : public ControlFixture {
protected:
    void TearDown() override {
        ControlFixture::TearDown();
        std::filesystem::remove_all(dir);
    }
    std::string PathOf(const std::string& name) const { return (dir / name).string(); }
    void WriteText(const std::string& name, const std::string& text) const {
        std::ofstream(dir / name, std::ios::binary) << text;
    }
    static std::string Text(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::filesystem::path dir = [] {
        auto d = std::filesystem::temp_directory_path() /
                 ("tavrel-settings-" + std::to_string(::getpid()));
        std::filesystem::create_directories(d);
        return d;
    }();
};

TEST_F(SettingsFileTest, RoundTripsThroughAFileOnDisk) {
    const struct Config {
        int32_t menus;
        int32_t items;
        int32_t startup;
        const char* caption;
    } configs[] = {{0, 0, 1, ""}, {1, 0, 1, "Mail"}, {3, 4, 2, "Ünïcødé ✓"}, {6, 10, 6, "Ποστ"}};
    for (const Config& config : configs) {
        control.InitDefaults();
        control.MenusMax(config.menus);
        for (int32_t m = 1; m <= config.menus; ++m) {
            control.MenuCur(m);
            control.MenuCaption(std::string(config.caption) + std::to_string(m));
            control.MenuItemsMax((config.items + m) % 11);
            for (int32_t i = 1; i <= control.MenuItemsMax(); ++i) {
                control.MenuItemCur(i);
                control.MenuItemCaption("Item " + std::to_string(m) + "." + std::to_string(i) +
                                        " é");
                control.MenuItemKey("key" + std::to_string(i));
                control.MenuItemTag("tag\n\"" + std::to_string(m));
                control.MenuItemIcon(
                    Solid(i * 3 + 1, 0xFF000000u | static_cast<uint32_t>(m * 40 << 8 | i * 20)));
            }
        }
        control.MenuStartup(config.startup);
        qt::SettingsFile file;
        control.SaveSettings(file);
        ASSERT_FALSE(file.Save(PathOf("bar.json")).IsError());
        auto loadedFile = qt::SettingsFile::Load(PathOf("bar.json"));
        ASSERT_FALSE(loadedFile.IsError()) << loadedFile.Error().sReason;
        Loaded loaded(loadedFile.Value());
        Tavrel& back = loaded.control;
        ASSERT_EQ(back.oMenus()->Count(), config.menus);
        EXPECT_EQ(back.MenuStartup(), config.startup);
        if (config.menus > 0) {
            EXPECT_EQ(back.MenuCur(), config.startup);
        }
        for (int32_t m = 1; m <= config.menus; ++m) {
            VMenu& was = *control.oMenus()->Item(m);
            VMenu& is = *back.oMenus()->Item(m);
            EXPECT_EQ(is.Caption(), was.Caption());
            ASSERT_EQ(is.MenuItemCount(), was.MenuItemCount());
            for (int32_t i = 1; i <= is.MenuItemCount(); ++i) {
                EXPECT_EQ(is.MenuItemItem(i)->Caption(), was.MenuItemItem(i)->Caption());
                EXPECT_EQ(is.MenuItemItem(i)->Key(), was.MenuItemItem(i)->Key());
                EXPECT_EQ(is.MenuItemItem(i)->Tag(), was.MenuItemItem(i)->Tag());
                EXPECT_EQ(is.MenuItemItem(i)->Button().Image()->argb,
                          was.MenuItemItem(i)->Button().Image()->argb);
            }
        }
    }
}

TEST_F(SettingsFileTest, ValuesKeepTheirOrderAndARewriteReplacesInPlace) {
    qt::SettingsFile file;
    ASSERT_FALSE(file.Write("B", int32_t{1}, int32_t{0}).IsError());
    ASSERT_FALSE(file.Write("A", std::string("x"), std::string()).IsError());
    ASSERT_FALSE(file.Write("B", int32_t{2}, int32_t{0}).IsError());
    ASSERT_FALSE(file.Write("C", int32_t{0}, int32_t{0}).IsError()) << "a default value is stored";
    EXPECT_TRUE(file.Write("D", 2.5, 0.0).IsError());
    ASSERT_FALSE(file.Save(PathOf("order.json")).IsError());
    auto back = qt::SettingsFile::Load(PathOf("order.json"));
    ASSERT_FALSE(back.IsError());
    EXPECT_EQ(back.Value().Keys(), (std::vector<std::string>{"B", "A", "C"}));
    EXPECT_EQ(std::get<int32_t>(back.Value().Read("B", int32_t{0}).Value()), 2);
    EXPECT_EQ(std::get<int32_t>(back.Value().Read("Z", int32_t{7}).Value()), 7)
        << "absent: the default";
    EXPECT_NE(Text(PathOf("order.json")).find("\"format\": \"tavrel-settings\""),
              std::string::npos);
}

TEST_F(SettingsFileTest, DamagedFilesAreRefusedWithOneClearError) {
    const struct Case {
        const char* text;
        const char* says;
    } cases[] = {
        {"this is not json", "line 1, column"},
        {"{\"format\": \"tavrel-settings\", \"version\": 1,\n \"values\": [{\"key\": \"MenusMax\"",
         "line 2"},
        {"{\"format\": \"other\", \"version\": 1, \"values\": []}", "not a settings file"},
        {"{\"format\": \"tavrel-settings\", \"version\": 2, \"values\": []}", "newer"},
        {"{\"format\": \"tavrel-settings\", \"version\": 1, \"values\": {}}", "values"},
        {"{\"format\": \"tavrel-settings\", \"version\": 1, \"values\": [{\"type\": \"int32\"}]}",
         "key"},
        {"[1, 2]", "not a settings file"},
        {"", "line 1"},
    };
    for (const Case& c : cases) {
        WriteText("bad.json", c.text);
        const auto loaded = qt::SettingsFile::Load(PathOf("bad.json"));
        ASSERT_TRUE(loaded.IsError()) << c.text;
        EXPECT_NE(loaded.Error().sReason.find(PathOf("bad.json")), std::string::npos)
            << loaded.Error().sReason;
        EXPECT_NE(loaded.Error().sReason.find(c.says), std::string::npos) << loaded.Error().sReason;
    }
    EXPECT_TRUE(qt::SettingsFile::Load(PathOf("missing.json")).IsError());
}

TEST_F(SettingsFileTest, DamagedValuesFailTheirReadAndTheRestLoads) {
    WriteText("values.json", R"({"format": "tavrel-settings", "version": 1, "values": [
        {"key": "MenusMax", "type": "int32", "value": 2},
        {"key": "MenuItemsMax1", "type": "text", "value": "abc"},
        {"key": "MenuItemsMax2", "type": "int32", "value": "3"},
        {"key": "MenuCaption1", "type": "text", "value": 5},
        {"key": "MenuItemIcon11", "type": "picture", "value": "%%% not base64 %%%"},
        {"key": "MenuItemIcon21", "type": "picture", "value": "aGVsbG8="},
        {"key": "MenuItemCaption21", "type": "text", "value": "Fine"}]})");
    auto file = qt::SettingsFile::Load(PathOf("values.json"));
    ASSERT_FALSE(file.IsError()) << file.Error().sReason;
    EXPECT_TRUE(file.Value().Read("MenuItemsMax2", int32_t{1}).IsError());
    EXPECT_TRUE(file.Value().Read("MenuItemIcon11", Picture()).IsError());
    Loaded loaded(file.Value());
    Tavrel& c = loaded.control;
    ASSERT_EQ(c.oMenus()->Count(), 2);
    EXPECT_EQ(c.oMenus()->Item(1)->MenuItemCount(), 1) << "a text where a count belongs is skipped";
    EXPECT_EQ(c.oMenus()->Item(2)->MenuItemCount(), 1);
    EXPECT_EQ(c.oMenus()->Item(1)->Caption(), "Menu1")
        << "a number where a text belongs is skipped";
    EXPECT_EQ(c.oMenus()->Item(1)->MenuItemItem(1)->Button(), c.DefaultIcon());
    EXPECT_EQ(c.oMenus()->Item(2)->MenuItemItem(1)->Button(), c.DefaultIcon()) << "not a PNG";
    EXPECT_EQ(c.oMenus()->Item(2)->MenuItemItem(1)->Caption(), "Fine");
}

TEST_F(SettingsFileTest, AnInterruptedSaveLeavesTheOldFileWhole) {
    qt::SettingsFile small;
    ASSERT_FALSE(small.Write("MenusMax", int32_t{1}, int32_t{1}).IsError());
    ASSERT_FALSE(small.Save(PathOf("keep.json")).IsError());
    const std::string before = Text(PathOf("keep.json"));

    // A save of a large file in a child process whose file size limit runs out half-way, as a
    // full disk would stop it.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        qt::SettingsFile large;
        for (int i = 0; i < 2000; ++i)
            (void)large.Write("Key" + std::to_string(i), std::string(64, 'x'), std::string());
        ::_exit(large.Save(PathOf("keep.json")).IsError() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failed save was reported";
    EXPECT_EQ(Text(PathOf("keep.json")), before);
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir)) ++files;
    EXPECT_EQ(files, 1u) << "no temporary file is left behind";
}

}  // namespace
}  // namespace tavrel
