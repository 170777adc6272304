#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "apps/common/ScriptRunner.h"
#include "control/Tavrel.h"
#include "platform/qt/TavrelWidget.h"

namespace tavrel {
namespace {

namespace fs = std::filesystem;

class ScriptRunnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(dir);
        widget.SetModalMessages(false);
        widget.show();
    }
    void TearDown() override { fs::remove_all(dir); }
    int Run(const std::string& script) {
        out.str("");
        err.str("");
        std::istringstream in(script);
        return runner.Run(in, "tour");
    }
    std::string PathOf(const std::string& name) const { return (dir / name).string(); }

    fs::path dir = fs::temp_directory_path() / ("tavrel-script-" + std::to_string(::getpid()));
    qt::TavrelWidget widget;
    std::ostringstream out;
    std::ostringstream err;
    apps::ScriptRunner runner{widget, out, err};
};

TEST_F(ScriptRunnerTest, PropertiesPointerAndOutput) {
    ASSERT_EQ(Run("# a comment\n\n"
                  "set MenusMax 3\n"
                  "set MenuItemsMax 4\n"
                  "get MenusMax\nget menucaption\nget Enabled\nget MenuItemIcon\n"
                  "move 60 45\n"
                  "click 60 45\n"
                  "down 60 110\nmove 60 174 1\nup 60 174\n"
                  "down 60 110 2\nup 60 110 2\n"
                  "dblclick 60.5 45.5\n"
                  "click 60 290\n"
                  "get MenuCur\n"
                  "set MenuItemIcon none\nget MenuItemIcon\n"
                  "call Refresh\ncall SetupCache\npaint\n"
                  "echo all  done\n"),
              0)
        << err.str();
    EXPECT_EQ(out.str(),
              "MenusMax=3\nmenucaption=Menu3\nEnabled=False\nMenuItemIcon=picture 32x32\n"
              "MenuItemClick MenuNumber=1 MenuItem=1\n"
              "MenuItemClick MenuNumber=1 MenuItem=1\nMenuItemClick MenuNumber=1 MenuItem=1\n"
              "MenuCur=3\nMenuItemIcon=none\nall  done\n");
    EXPECT_EQ(err.str(), "");
}

TEST_F(ScriptRunnerTest, RefusalsAndNotifications) {
    runner.ShowNotifications(true);
    ASSERT_EQ(Run("set MenusMax 9\nset MenusMax abc\nget Bogus\nset MenuStartup 2\n"), 0);
    EXPECT_EQ(
        out.str(),
        "Beep\nMessageBox \"MenusMax must be between 0 and 6\"\nPropertyChanged MenuStartup\n");
    EXPECT_EQ(err.str(), "tour:2: Type mismatch\ntour:3: Member not found: Bogus\n");
}

TEST_F(ScriptRunnerTest, FilesSizesPicturesAndRecordings) {
    const std::string settings = PathOf("bar.json"), shot = PathOf("bar.png"),
                      gif = PathOf("tour.gif");
    ASSERT_EQ(Run("set MenusMax 2\nset MenuCaption Second\nsave " + settings +
                  "\nnew\nget MenusMax\nload " + settings + "\nget MenusMax\nsize 150 320\nshot " +
                  shot + "\nset MenuItemIcon " + shot + "\nget MenuItemIcon\nrecord " + gif +
                  "\nclick 75 310\nendrecord\nwait 5\nwait\n"),
              0)
        << err.str();
    EXPECT_EQ(out.str(), "MenusMax=1\nMenusMax=2\nMenuItemIcon=picture 150x320\n");
    EXPECT_EQ(widget.VisibleSurface().Width(), 150);
    EXPECT_EQ(widget.Control().MenuCur(), 2);
    EXPECT_GT(fs::file_size(shot), 100u);
    std::ifstream in(gif, std::ios::binary);
    std::string head(6, '\0');
    in.read(head.data(), 6);
    EXPECT_EQ(head, "GIF89a");
    EXPECT_GT(fs::file_size(gif), 20000u) << "the slide's frames";
}

TEST_F(ScriptRunnerTest, ScriptErrorsNameTheLineAndStop) {
    const std::pair<std::string, std::string> cases[] = {
        {"echo one\nfly 1 2\necho never\n", "tour:2: unknown command 'fly'"},
        {"click 1 x\n", "tour:1: bad number 'x'"},
        {"size 10\n", "tour:1: 'size' takes 2 arguments"},
        {"down 5 5 3\n", "tour:1: a button is 1 (left), 2 (right) or 4 (middle), not 3"},
        {"load /nonexistent/bar.json\n", "tour:1: /nonexistent/bar.json: cannot open"},
        {"set MenuItemIcon /nonexistent/icon.ico\n",
         "tour:1: /nonexistent/icon.ico: cannot read picture"},
        {"record x.gif\n", "tour:1: 'record' without 'endrecord'"},
        {"endrecord\n", "tour:1: 'endrecord' without 'record'"},
        {"shot /nonexistent/x.png\n", "tour:1: cannot write /nonexistent/x.png"},
        {"wait -1\n", "tour:1: a wait is 0 milliseconds or more"},
    };
    for (const auto& [script, says] : cases) {
        EXPECT_EQ(Run(script), 2) << script;
        EXPECT_EQ(err.str().substr(0, says.size()), says) << err.str();
        EXPECT_EQ(out.str().find("never"), std::string::npos);
    }
}

}  // namespace
}  // namespace tavrel
