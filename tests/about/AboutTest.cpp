#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "about/AboutTavrel.h"
#include "control/DesignIcon.h"
#include "support/ControlFixture.h"

namespace tavrel {
namespace {

namespace fs = std::filesystem;
using testing::RecordingHost;

// A registry file of the test's own, and a PATH without system-information programs.
class SeededRegistry : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(dir / "bin");
        ::setenv("TAVREL_REGISTRY", (dir / "registry.ini").c_str(), 1);
        savedPath = std::getenv("PATH") ? std::getenv("PATH") : "";
        ::setenv("PATH", (dir / "bin").c_str(), 1);
    }
    void TearDown() override {
        ::unsetenv("TAVREL_REGISTRY");
        ::setenv("PATH", savedPath.c_str(), 1);
        fs::remove_all(dir);
    }
    void Seed(const std::string& text) { std::ofstream(dir / "registry.ini") << text; }

    fs::path dir = fs::temp_directory_path() / ("tavrel-registry-" + std::to_string(::getpid()));
    std::string savedPath;
    RecordingHost host;
    AboutTavrel about{host, DesignIcon()};
};

constexpr const char* kTools = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tools]\n";

TEST_F(SeededRegistry, GetKeyValueReadsTextsAndNumbers) {
    std::string big = "LONG=hex(1):";
    for (int i = 0; i < 1100; ++i) big += i ? ",41" : "41";
    Seed(std::string(kTools) +
         "WITHNUL=\"C:\\\\Program Files\\\\info.exe\"\nRAW=hex(1):41,42,43\n" + big +
         "\nEXAMPLE=hex(4):1a,02,00,00\nMENDED=hex(4):05,1a,00,00\nBIG=dword:12345678\n");
    const struct Case {
        const char* key;
        const char* value;
        bool bFound;
        const char* text;
    } cases[] = {
        {"SOFTWARE\\Tools", "WITHNUL", true, "C:\\Program Files\\info.exe"},
        {"SOFTWARE\\Tools", "RAW", true, "ABC"},
        {"SOFTWARE\\Tools", "LONG", false, ""},
        {"SOFTWARE\\Tools", "MISSING", false, ""},
        {"SOFTWARE\\Nowhere", "RAW", false, ""},
        {"software\\tools", "raw", true, "ABC"},
        {"SOFTWARE\\Tools", "EXAMPLE", true, "538"},  // &h021A
        {"SOFTWARE\\Tools", "MENDED", true, "6661"},  // &h01A05, not &h01A5
        {"SOFTWARE\\Tools", "BIG", true, "305419896"},
    };
    for (const Case& c : cases) {
        std::string keyVal = "stale";
        if (std::string(c.value) == "EXAMPLE" || std::string(c.value) == "MENDED" ||
            std::string(c.value) == "BIG")
            keyVal.clear();
        EXPECT_EQ(about.GetKeyValue(HKEY_LOCAL_MACHINE, c.key, c.value, keyVal), c.bFound)
            << c.value;
        EXPECT_EQ(keyVal, c.text) << c.value;
    }
}

TEST_F(SeededRegistry, StartSysInfoTakesTheFirstRouteThatAnswers) {
    const std::string msinfo = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n";
    const std::string location =
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location]\n";
    const std::string unavailable = "MessageBox System Information Is Unavailable At This Time";
    const struct Case {
        std::string registry;
        bool bStartFails;
        std::vector<std::string> started;
        std::vector<std::string> log;
    } cases[] = {
        {msinfo + "PATH=\"/nowhere/info\"\n", false, {"1 /nowhere/info"}, {}},  // no file check
        {location + "MSINFO=\"" + dir.string() + "\"\n", false, {}, {unavailable}},
        {"", false, {}, {unavailable}},
        {msinfo + "PATH=\"/nowhere/info\"\n", true, {"1 /nowhere/info"}, {unavailable}},
    };
    for (const Case& c : cases) {
        Seed(c.registry);
        host.started.clear();
        host.Clear();
        host.bStartFails = c.bStartFails;
        about.StartSysInfo();
        EXPECT_EQ(host.started, c.started) << c.registry;
        EXPECT_EQ(host.log, c.log) << c.registry;
    }
    Seed(location + "MSINFO=\"" + dir.string() + "\"\n");
    host.started.clear();
    host.bStartFails = false;
    std::ofstream(dir.string() + "/MSINFO32.EXE");
    about.StartSysInfo();
    EXPECT_EQ(host.started, (std::vector<std::string>{"1 " + dir.string() + "\\MSINFO32.EXE"}));
}

TEST_F(SeededRegistry, WithoutARegistryEntryTheFirstInstalledSystemInformationProgramAnswers) {
    Seed("");
    std::ofstream(dir / "bin" / "kinfocenter") << "#!/bin/sh\n";
    std::string path;
    ASSERT_TRUE(about.GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                                  "PATH", path));
    EXPECT_EQ(path, (dir / "bin" / "kinfocenter").string());
}

TEST(AboutFormsTest, ButtonsLinksAndTheirFailures) {
    RecordingHost host;
    AboutTavrel about(host, DesignIcon());
    EXPECT_EQ(about.Caption(), "About Norvane Tavrel ActiveX Control 1.2");
    EXPECT_EQ(about.Find("Label1")->sCaption, "Tavrel ActiveX Control 1.2");
    EXPECT_EQ(about.Find("Command2")->sCaption, "&Technical Support");
    about.Click("Label13");
    EXPECT_EQ(host.started.back(),
              "0 Start.exe mailto:support@example.org?Subject=Report for Norvane Tavrel ActiveX "
              "Control 1.0");
    host.bStartFails = true;
    about.Click("Label6");
    EXPECT_EQ(host.log.back(),
              "MessageBox Sorry, can't find your e-mail program! E-mail not sended! [critical] "
              "[Norvane Tavrel ActiveX Control 1.0]");
    EXPECT_FALSE(about.IsClosed()) << "a failed link leaves the form open";

    about.Click("Command2");
    about.Click("Command2");
    EXPECT_EQ(host.forms, (std::vector<std::string>{"Technical Support", "Technical Support"}));
    FrmSupport support(host);
    support.Click("Label24");
    EXPECT_EQ(host.log.back(),
              "MessageBox Sorry, can't find your Internet browser! [critical] "
              "[Norvane Tavrel ActiveX Control 1.0]");
    host.bStartFails = false;
    support.Click("Label25");
    EXPECT_EQ(host.started.back(), "0 Start.exe https://www.example.org/tavrel/");
    support.Click("Command1");
    EXPECT_TRUE(support.IsClosed());
    about.Click("Image1");
    EXPECT_TRUE(about.IsClosed());
}

TEST(AboutFormsTest, PointerFeedbackOnTheLinks) {
    RecordingHost host;
    AboutTavrel about(host, DesignIcon());
    const auto look = [](const Form& form, const char* name) {
        const DialogControl& c = *form.Find(name);
        return std::to_string(ResolveColor(c.foreColor)) + (c.bUnderline ? "_" : "");
    };
    const std::string black = "0", red = std::to_string(0x0000FF), blue = std::to_string(0xFF0000);
    EXPECT_EQ(look(about, "Label13"), black);
    about.MouseMove("Label13");
    about.MouseMove("Label6");
    EXPECT_EQ(look(about, "Label13"), red) << "stays coloured without a move over the background";
    EXPECT_EQ(look(about, "Label6"), blue + "_");
    about.MouseMove("Label7");
    EXPECT_EQ(look(about, "Label13"), red) << "plain labels do not react";
    about.MouseMove("");
    EXPECT_EQ(look(about, "Label13"), black);
    EXPECT_EQ(look(about, "Label6"), black);
    EXPECT_TRUE(about.Find("Label13")->bHandCursor && about.Find("Label13")->bBold);

    FrmSupport support(host);
    EXPECT_EQ(support.Find("Label3")->foreColor, SystemColor(SystemColorIndex::ButtonText));
    support.MouseMove("Label24");
    EXPECT_EQ(look(support, "Label24"), red);
    EXPECT_EQ(look(support, "Label3"), black);
    support.MouseMove("Label25");
    EXPECT_EQ(look(support, "Label24"), black) << "the support window resets the others itself";
    EXPECT_EQ(look(support, "Label25"), red);
    support.MouseMove("Command1");
    EXPECT_EQ(look(support, "Label25"), red);
    support.MouseMove("");
    EXPECT_EQ(look(support, "Label25"), black);
}

TEST(AboutFormsTest, ShowAboutBoxShowsTheBoxModallyThroughTheHost) {
    RecordingHost host;
    host.onForm = [](Form& form) {
        if (form.Caption() == AboutTavrel::kTitle) form.Click("Command2");
    };
    testing::RecordingEvents events;
    Tavrel control(host, events, qt::MakeSurface(120, 300), qt::MakeSurface(120, 69));
    control.OnCreate();
    EXPECT_FALSE(control.ShowAboutBox().IsError());
    EXPECT_EQ(host.forms, (std::vector<std::string>{"About Norvane Tavrel ActiveX Control 1.2",
                                                    "Technical Support"}));
}

}  // namespace
}  // namespace tavrel
