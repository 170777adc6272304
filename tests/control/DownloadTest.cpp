#include <filesystem>
#include <fstream>

#include "platform/qt/OffscreenGui.h"
#include "platform/qt/QtDownloader.h"
#include "platform/qt/QtPictureCodec.h"
#include "support/ControlFixture.h"
#include "support/HttpTestServer.h"

namespace tavrel {
namespace {

using testing::AllAre;
using testing::ControlFixture;
using testing::HttpTestServer;

class DownloadTest : public ControlFixture {
protected:
    void SetUp() override {
        ControlFixture::SetUp();
        host.downloader = [this](const std::string& target, const std::string& tag) {
            return downloader.Request(target, tag);
        };
        control.MenusMax(2);
        control.MenuCur(2);
        control.MenuItemsMax(7);
    }
    bool WaitForDownloads() {
        return qt::ProcessEventsUntil([&] { return downloader.Outstanding() == 0; }, 20000);
    }
    std::string Png(uint32_t argb) {
        const auto bytes = codec.ToPng(Solid(32, argb)).Value();
        return std::string(bytes.begin(), bytes.end());
    }
    const Picture& IconOf(int32_t menu, int32_t item) {
        return control.oMenus()->Item(menu)->MenuItemItem(item)->Button();
    }
    static uint32_t Colour(const Picture& picture) { return picture.Image()->argb[0]; }

    qt::QtPictureCodec codec;
    std::vector<std::string> warnings;
    qt::QtDownloader downloader{
        codec,
        [this](const std::string& tag, const Picture& picture, const std::string& target) {
            control.OnDownloadComplete(tag, picture, target);
        },
        [this](const std::string& line) { warnings.push_back(line); }};
    HttpTestServer server;
};

TEST_F(DownloadTest, ACompletionFindsItsItemByTagWhereverTheCursorIsNow) {
    server.Serve("/icon.png", {200, Png(0xFFFF0000), 50});
    control.MenuItemCur(7);
    control.MenuItemPictureURL(server.Url("/icon.png"));
    ASSERT_EQ(host.downloads.size(), 1u);
    EXPECT_EQ(host.downloads[0].sTag, "27");
    EXPECT_NE(Colour(IconOf(2, 7)), 0xFFFF0000u) << "the icon changes only on completion";
    control.MenuCur(1);
    control.MenuItemCur(1);
    ASSERT_TRUE(WaitForDownloads());
    EXPECT_EQ(Colour(IconOf(2, 7)), 0xFFFF0000u);
    EXPECT_EQ(control.MenuCur(), 1);
    EXPECT_EQ(control.MenuItemCur(), 1);
    EXPECT_TRUE(AllAre(*picCache, Slot(1 + 7), 0x000000FF)) << "the cache was rebuilt";
    EXPECT_TRUE(warnings.empty());
}

TEST_F(DownloadTest, FailuresLeaveTheIconAndWarnOnceNamingTheLocation) {
    server.Serve("/text", {200, "this is no picture", 0});
    server.Serve(
        "/huge",
        {200, std::string(static_cast<size_t>(qt::QtDownloader::kDefaultMaxBytes) + 1, 'x'), 0});
    const struct Case {
        std::string url;
        const char* reason;
    } cases[] = {
        {server.Url("/missing.png"), "404"},
        {server.Url("/text"), "cannot read picture"},
        {server.Url("/huge"), "larger than"},
        {"http://127.0.0.1:9/refused.png", ""},
    };
    const Picture before = IconOf(2, 1);
    for (const Case& c : cases) {
        warnings.clear();
        control.MenuItemCur(1);
        control.MenuItemPictureURL(c.url);
        ASSERT_TRUE(WaitForDownloads()) << c.url;
        ASSERT_EQ(warnings.size(), 1u) << c.url;
        EXPECT_NE(warnings[0].find(c.url), std::string::npos) << warnings[0];
        EXPECT_NE(warnings[0].find(c.reason), std::string::npos) << warnings[0];
        EXPECT_EQ(IconOf(2, 1), before) << c.url;
    }
}

TEST_F(DownloadTest, ASlowServerTimesOut) {
    downloader.SetTimeoutMs(200);
    server.Serve("/slow.png", {200, Png(0xFF00FF00), 3000});
    control.MenuItemPictureURL(server.Url("/slow.png"));
    ASSERT_TRUE(WaitForDownloads());
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("/slow.png"), std::string::npos);
}

TEST_F(DownloadTest, AnOlderAnswerArrivingLateDoesNotReplaceTheLatest) {
    server.Serve("/a.png", {200, Png(0xFFFF0000), 400});
    server.Serve("/b.png", {200, Png(0xFF00FF00), 0});
    control.MenuItemCur(3);
    control.MenuItemPictureURL(server.Url("/a.png"));
    control.MenuItemPictureURL(server.Url("/b.png"));
    ASSERT_TRUE(WaitForDownloads());
    EXPECT_EQ(server.Requests(), 2);
    EXPECT_EQ(Colour(IconOf(2, 3)), 0xFF00FF00u);
    EXPECT_EQ(control.MenuItemPictureURL(), server.Url("/b.png"));
}

TEST_F(DownloadTest, NoRequestForAnItemThatDoesNotExist) {
    // Menu 10 would make the tag "101": menu 1, item 1.
    control.MenuCur(10);
    host.Clear();
    control.MenuItemPictureURL(server.Url("/a.png"));
    EXPECT_TRUE(host.downloads.empty());
    EXPECT_EQ(host.Notifications(), (std::vector<std::string>{"MenuItemPictureURL"}));
    control.MenuCur(2);
    control.MenuItemCur(0);
    control.MenuItemPictureURL(server.Url("/a.png"));
    EXPECT_TRUE(host.downloads.empty());
}

TEST_F(DownloadTest, LocalFilesAndFileAddressesAndManyAtOnce) {
    const auto path = std::filesystem::temp_directory_path() / "tavrel-download-test.png";
    std::ofstream(path, std::ios::binary) << Png(0xFF0000FF);
    server.Serve("/4.png", {200, Png(0xFF444444), 30});
    server.Serve("/5.png", {200, Png(0xFF555555), 10});
    const std::pair<int32_t, std::string> requests[] = {{1, path.string()},
                                                        {2, "file://" + path.string()},
                                                        {4, server.Url("/4.png")},
                                                        {5, server.Url("/5.png")}};
    for (const auto& [item, url] : requests) {
        control.MenuItemCur(item);
        control.MenuItemPictureURL(url);
    }
    EXPECT_GE(downloader.Outstanding(), 2);
    ASSERT_TRUE(WaitForDownloads());
    EXPECT_EQ(Colour(IconOf(2, 1)), 0xFF0000FFu);
    EXPECT_EQ(Colour(IconOf(2, 2)), 0xFF0000FFu);
    EXPECT_EQ(Colour(IconOf(2, 4)), 0xFF444444u);
    EXPECT_EQ(Colour(IconOf(2, 5)), 0xFF555555u);
    std::filesystem::remove(path);

    control.MenuItemPictureURL("");  // cannot be started: nothing outstanding
    EXPECT_EQ(downloader.Outstanding(), 0);
}

}  // namespace
}  // namespace tavrel
