#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "control/Automation.h"
#include "control/TavrelAutomation.h"
#include "pages/Global.h"
#include "pages/MenuItemObjects.h"
#include "pages/MenuObjects.h"
#include "pages/Menues.h"
#include "pages/PropertyPages.h"
#include "platform/qt/QtPictureCodec.h"
#include "support/AnsweringFileDialog.h"
#include "support/ControlFixture.h"
#include "support/IconFiles.h"

namespace tavrel::pages {
namespace {

namespace fs = std::filesystem;
using testing::AnsweringFileDialog;
using testing::ControlFixture;
using testing::RecordingEvents;
using testing::RecordingHost;

// A control shown to a page as the host's first selected control.
class PageTest : public ControlFixture {
protected:
    template <class Page>
    void Show(Page& page) {
        page.SelectedControls({&automation});
        page.SelectionChanged();
    }
    int32_t Int(std::string_view sName) {
        return std::get<int32_t>(GetProperty(control, sName).Value());
    }
    void Set(std::string_view sName, const Variant& value) {
        ASSERT_FALSE(PutProperty(control, sName, value).IsError());
    }

    TavrelAutomation automation{control};
};

// ---- the general page ----

TEST_F(PageTest, GeneralPageLoadsStartupCountAndCurrentAndIsChangedAtOnce) {
    Set("MenusMax", 4);
    Set("MenuCur", 2);
    Set("MenuStartup", 1);
    Menues page;
    EXPECT_FALSE(page.Changed());
    Show(page);
    EXPECT_EQ(page.txtMenuCur.Text(), "2");
    EXPECT_EQ(page.txtMenusMax.Text(), "4");
    EXPECT_EQ(page.txtMenuStartup.Text(), "1");
    EXPECT_TRUE(page.Changed());

    // A later load marks the page changed only when a value differs from its box.
    page.Changed(false);
    page.SelectionChanged();
    EXPECT_FALSE(page.Changed());
    Set("MenuCur", 3);
    page.SelectionChanged();
    EXPECT_TRUE(page.Changed());
}

TEST_F(PageTest, GeneralSpinnersStartAtOneWhateverIsLoaded) {
    Set("MenusMax", 4);
    Menues page;
    Show(page);
    page.VScroll2.DownArrow();  // already at its lower end
    EXPECT_EQ(page.txtMenusMax.Text(), "4");
    page.VScroll2.UpArrow();
    EXPECT_EQ(page.txtMenusMax.Text(), "2");
    page.VScroll3.UpArrow();
    EXPECT_EQ(page.txtMenuStartup.Text(), "2");
    for (int i = 0; i < 10; ++i) page.VScroll3.UpArrow();
    EXPECT_EQ(page.txtMenuStartup.Text(), "6");  // the startup menu always covers 1 to 6
}

TEST_F(PageTest, GeneralPageAppliesTypedZero) {
    Menues page;
    Show(page);
    page.txtMenusMax.Text("0");
    page.txtMenuCur.Text("0");
    page.ApplyChanges();
    EXPECT_EQ(Int("MenusMax"), 0);
    EXPECT_EQ(Int("MenuCur"), 0);
    EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "Beep"), 0);
}

TEST_F(PageTest, CurrentMenuSpinnerStopsAtTheNumberOfMenus) {
    for (const bool bUp : {true, false}) {
        SCOPED_TRACE(bUp ? "up" : "down");
        Menues page;
        Show(page);
        page.txtMenusMax.Text("6");
        for (int i = 0; i < 4; ++i) page.VScroll1.UpArrow();
        ASSERT_EQ(page.txtMenuCur.Text(), "5");
        page.txtMenusMax.Text("3");
        bUp ? page.VScroll1.UpArrow() : page.VScroll1.DownArrow();
        EXPECT_EQ(page.txtMenuCur.Text(), "3");
        EXPECT_EQ(page.VScroll1.Value(), -3);
        // The number-of-menus spinner leaves the bound alone; only the own moves pick it up.
        page.VScroll2.UpArrow();
        page.VScroll2.UpArrow();  // "3"
        page.VScroll2.UpArrow();  // "4"
        EXPECT_EQ(page.VScroll1.Min(), -3);
    }
}

TEST_F(PageTest, RefusedCountStillLetsTheCurrentMenuBeWritten) {
    const int32_t lMenusBefore = Int("MenusMax");
    Menues page;
    Show(page);
    page.txtMenusMax.Text("7");
    page.txtMenuCur.Text("3");
    page.txtMenuStartup.Text("2");
    host.Clear();
    page.ApplyChanges();
    EXPECT_EQ(Int("MenuStartup"), 2);
    EXPECT_EQ(Int("MenusMax"), lMenusBefore);
    EXPECT_EQ(Int("MenuCur"), 3);
    const auto& log = host.log;
    const auto beep = std::find(log.begin(), log.end(), "Beep");
    ASSERT_NE(beep, log.end());
    ASSERT_NE(beep + 1, log.end());
    EXPECT_EQ(*(beep + 1), "MessageBox MenusMax must be between 0 and 6");
    EXPECT_EQ(std::count(log.begin(), log.end(), "Beep"), 1);  // no message of the page's own
}

// The count box may hold what is no number while the current spinner moves: the bound stays,
// the current box still follows, and the page goes on working. A count of 0 puts Min above
// Max; the spinner then keeps between the two, and its arrows keep their directions.
TEST_F(PageTest, CurrentMenuSpinnerWithoutANumberOfMenus) {
    Set("MenusMax", 6);
    Menues page;
    Show(page);
    for (const char* sCount : {"", "-", "x"}) {
        SCOPED_TRACE(sCount);
        page.txtMenusMax.Text(sCount);
        page.VScroll1.UpArrow();
        EXPECT_EQ(page.txtMenuCur.Text(), std::to_string(-page.VScroll1.Value()));
    }
    EXPECT_EQ(page.txtMenuCur.Text(), "4");
    page.txtMenusMax.Text("0");
    page.VScroll1.DownArrow();
    EXPECT_EQ(page.VScroll1.Min(), 0);
    EXPECT_EQ(page.txtMenuCur.Text(), "1");  // pulled to the nearer end of -1..0
    page.VScroll1.UpArrow();                 // towards Min, as ever
    EXPECT_EQ(page.txtMenuCur.Text(), "0");
    page.ApplyChanges();
    EXPECT_EQ(Int("MenuCur"), 0);
}

// ---- the menu page ----

TEST_F(PageTest, MenuPageLoadsCountCurrentAndCaption) {
    Set("MenuItemsMax", 5);
    Set("MenuItemCur", 3);
    Set("MenuCaption", std::string("Tools"));
    MenuObjects page;
    Show(page);
    EXPECT_EQ(page.txtMenuItemsMax.Text(), "5");
    EXPECT_EQ(page.txtMenuItemCur.Text(), "3");
    EXPECT_EQ(page.txtMenuCaption.Text(), "Tools");
    EXPECT_TRUE(page.Changed());
}

TEST_F(PageTest, NumberOfItemsSpinnerBoundsTheCurrentItemAtOnce) {
    MenuObjects page;
    Show(page);
    page.VScroll2.UpArrow();
    EXPECT_EQ(page.txtMenuItemsMax.Text(), "2");
    EXPECT_EQ(page.VScroll1.Min(), -2);
    for (int i = 0; i < 5; ++i) page.VScroll1.UpArrow();
    EXPECT_EQ(page.txtMenuItemCur.Text(), "2");

    for (int i = 0; i < 6; ++i) page.VScroll2.UpArrow();  // 8 items
    for (int i = 0; i < 5; ++i) page.VScroll1.UpArrow();  // current item 7
    ASSERT_EQ(page.txtMenuItemCur.Text(), "7");
    page.VScroll2.DownArrow();  // 7: nothing to pull yet
    EXPECT_EQ(page.txtMenuItemCur.Text(), "7");
    for (const char* sExpected : {"6", "5", "4"}) {
        page.VScroll2.DownArrow();
        EXPECT_EQ(page.txtMenuItemsMax.Text(), sExpected);
        EXPECT_EQ(page.txtMenuItemCur.Text(), sExpected);
    }
}

TEST_F(PageTest, MenuPageWritesTheCountBeforeTheCurrentItem) {
    Set("MenuItemsMax", 3);
    Set("MenuItemCur", 1);
    MenuObjects page;
    Show(page);
    page.txtMenuItemsMax.Text("8");
    page.txtMenuItemCur.Text("6");
    page.txtMenuCaption.Text("");
    host.Clear();
    page.ApplyChanges();
    EXPECT_EQ(Int("MenuItemsMax"), 8);
    EXPECT_EQ(Int("MenuItemCur"), 6);
    EXPECT_EQ(std::get<std::string>(GetProperty(control, "MenuCaption").Value()), "");
    EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "Beep"), 0);
}

TEST_F(PageTest, CurrentItemSpinnerWithoutANumberOfItems) {
    MenuObjects page;
    Show(page);
    for (const char* sCount : {"", "-", "-x"}) {
        SCOPED_TRACE(sCount);
        page.txtMenuItemsMax.Text(sCount);
        page.VScroll1.UpArrow();
        EXPECT_EQ(page.txtMenuItemCur.Text(), std::to_string(-page.VScroll1.Value()));
    }
    page.txtMenuItemsMax.Text("-3");  // a bound of 3 above Max: kept between -1 and 3
    page.VScroll1.DownArrow();
    EXPECT_EQ(page.VScroll1.Min(), 3);
    EXPECT_EQ(page.txtMenuItemCur.Text(), "1");
}

// ---- the item page ----

class ItemPageTest : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        folder = fs::temp_directory_path() / ("tavrel-pages-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override {
        fs::remove_all(folder);
        PageTest::TearDown();
    }

    fs::path folder;
    AnsweringFileDialog dialog;
    qt::QtPictureCodec codec;
    MenuItemObjects page{dialog, codec};
};

TEST_F(ItemPageTest, FirstLoadOfAnEmptyCaptionAndNoIconIsNoChange) {
    Set("MenuItemCaption", std::string());
    Set("MenuItemIcon", Picture());
    Show(page);
    EXPECT_EQ(page.txtMenuItemCaption.Text(), "");
    EXPECT_TRUE(page.imgPicture.picture.IsEmpty());
    EXPECT_FALSE(page.Changed());

    const Picture icon = Solid(32, 0xFF00FF00);
    Set("MenuItemIcon", icon);
    page.SelectionChanged();
    EXPECT_TRUE(page.imgPicture.picture == icon);  // the control's object itself
    EXPECT_FALSE(page.Changed());                  // the icon alone marks nothing
    Set("MenuItemCaption", std::string("Mail"));
    page.SelectionChanged();
    EXPECT_EQ(page.txtMenuItemCaption.Text(), "Mail");
    EXPECT_TRUE(page.Changed());
}

TEST_F(ItemPageTest, BrowseThatFindsNoFileChangesNothing) {
    Set("MenuItemIcon", Solid(32, 0xFF00FF00));
    Show(page);
    page.Changed(false);
    const Picture before = page.imgPicture.picture;
    for (const std::optional<std::string>& answer :
         {std::optional<std::string>(),
          std::optional<std::string>((folder / "missing.ico").string()),
          std::optional<std::string>(folder.string())}) {
        dialog.answer = answer;
        page.cmdBrowse.Click();
        EXPECT_TRUE(page.imgPicture.picture == before);
        EXPECT_FALSE(page.Changed());
    }
    EXPECT_EQ(dialog.calls, 3);
}

TEST_F(ItemPageTest, BrowseOfAFileThatIsNoPictureStillMarksTheChoice) {
    Set("MenuItemIcon", Picture());
    Show(page);
    page.Changed(false);
    host.Clear();
    const fs::path notIcon = folder / "notes.ico";
    std::ofstream(notIcon) << "not a picture";
    dialog.answer = notIcon.string();
    page.cmdBrowse.Click();
    EXPECT_TRUE(page.imgPicture.picture.IsEmpty());
    EXPECT_TRUE(page.Changed());
    EXPECT_TRUE(host.log.empty());
}

TEST_F(ItemPageTest, ChosenIconShowsAtOnceAndReachesTheControlOnApply) {
    Set("MenuItemIcon", Picture());
    Show(page);
    dialog.answer = testing::WriteIconFile(folder / "mail.ico", 0xFF2040C0);
    page.cmdBrowse.Click();
    ASSERT_FALSE(page.imgPicture.picture.IsEmpty());
    EXPECT_EQ(page.imgPicture.picture.Width(), 32);
    EXPECT_TRUE(page.Changed());
    EXPECT_TRUE(std::get<Picture>(GetProperty(control, "MenuItemIcon").Value()).IsEmpty());

    page.txtMenuItemCaption.Text("Mail");
    page.ApplyChanges();
    EXPECT_TRUE(std::get<Picture>(GetProperty(control, "MenuItemIcon").Value()) ==
                page.imgPicture.picture);
    EXPECT_EQ(std::get<std::string>(GetProperty(control, "MenuItemCaption").Value()), "Mail");

    // An empty preview hands over the empty picture.
    page.imgPicture.picture = Picture();
    page.ApplyChanges();
    EXPECT_TRUE(std::get<Picture>(GetProperty(control, "MenuItemIcon").Value()).IsEmpty());
}

TEST(IconFileChooser, AsksForIconFilesOnly) {
    AnsweringFileDialog dialog;
    EXPECT_EQ(BrowseIconFile(dialog), "");
    const OpenFileRequest& asked = dialog.asked;
    EXPECT_EQ(asked.sTitle, "Select Icon");
    ASSERT_EQ(asked.filters.size(), 1u);
    EXPECT_EQ(asked.filters[0].sName, "Icon Files");
    EXPECT_EQ(asked.filters[0].sPattern, "*.ICO");
    EXPECT_FALSE(asked.bHasOwner);
    EXPECT_EQ(asked.sInitialDir, "");
    EXPECT_EQ(asked.sInitialFile, std::string(1000, ' '));
    EXPECT_EQ(asked.lMaxFile, 1000);
    EXPECT_TRUE(asked.bPathMustExist);
    EXPECT_FALSE(asked.bFileMustExist);

    // A dialog that returns its whole buffer gives the path before the first NUL.
    dialog.answer = std::string("/tmp/a.ico") + '\0' + std::string(20, ' ');
    EXPECT_EQ(BrowseIconFile(dialog), "/tmp/a.ico");
}

TEST(IconFileChooser, FileExistsOnlyForFilesThatOpen) {
    const fs::path folder =
        fs::temp_directory_path() / ("tavrel-exists-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    std::ofstream(folder / "a.ico") << "x";
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    const struct {
        std::string sPath;
        bool bExists;
    } cases[] = {
        {"", false},
        {folder.string(), false},
        {(folder / "missing.ico").string(), false},
        {(folder / "pipe").string(), false},
        {(folder / "a.ico").string(), true},
        {(folder / "a.ico").string() + '\0' + "   ", true},
    };
    for (const auto& c : cases) EXPECT_EQ(FileExists(c.sPath), c.bExists) << c.sPath;
    fs::remove_all(folder);
}

TEST(FileDialogRules, AcceptsAMissingFileInAFolderThatExists) {
    const OpenFileRequest request = IconFileRequest();
    const fs::path folder = fs::temp_directory_path();
    EXPECT_TRUE(AcceptsChoice(request, (folder / "new.ico").string()));
    EXPECT_FALSE(AcceptsChoice(request, (folder / "no-such-folder-x" / "new.ico").string()));
    EXPECT_FALSE(AcceptsChoice(request, folder.string()));
    EXPECT_FALSE(AcceptsChoice(request, ""));
    EXPECT_FALSE(AcceptsChoice(request, "/" + std::string(1000, 'a')));
}

// ---- every page ----

TEST_F(PageTest, OnlyTheFirstSelectedControlIsReadAndWritten) {
    RecordingHost otherHost;
    RecordingEvents otherEvents;
    Tavrel other{otherHost, otherEvents, qt::MakeSurface(120, 300), qt::MakeSurface(120, 69)};
    other.OnCreate();
    other.InitDefaults();
    TavrelAutomation otherAutomation(other);
    Set("MenuCaption", std::string("First"));
    ASSERT_FALSE(PutProperty(other, "MenuCaption", std::string("Second")).IsError());

    AnsweringFileDialog dialog;
    qt::QtPictureCodec codec;
    for (PropertyPageEntry& entry : TavrelPropertyPages(dialog, codec)) {
        SCOPED_TRACE(entry.sName);
        const std::unique_ptr<PropertyPage> page = entry.create();
        page->SelectedControls({&automation, &otherAutomation});
        page->SelectionChanged();
        if (entry.sName == "MenuObjects") {
            auto& menuPage = static_cast<MenuObjects&>(*page);
            EXPECT_EQ(menuPage.txtMenuCaption.Text(), "First");
            menuPage.txtMenuCaption.Text("Edited");
        }
        page->ApplyChanges();
    }
    EXPECT_EQ(std::get<std::string>(GetProperty(control, "MenuCaption").Value()), "Edited");
    EXPECT_EQ(other.MenuCaption(), "Second");
    other.OnDestroy();
}

TEST(PropertyPages, InTheControlsOrderWithTheirTitles) {
    AnsweringFileDialog dialog;
    qt::QtPictureCodec codec;
    const std::vector<PropertyPageEntry> entries = TavrelPropertyPages(dialog, codec);
    ASSERT_EQ(entries.size(), 3u);
    const char* names[] = {"Menues", "MenuObjects", "MenuItemObjects"};
    const char* captions[] = {"Menus", "MenuObjects", "MenuItemObjects"};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(entries[i].sName, names[i]);
        EXPECT_EQ(entries[i].sCaption, captions[i]);
        const std::unique_ptr<PropertyPage> page = entries[i].create();
        EXPECT_EQ(page->Caption(), captions[i]);
        EXPECT_EQ(page->Width(), 5235);
        EXPECT_EQ(page->Height(), 2685);
        for (const PageControl& c : page->Controls())
            EXPECT_LE(c.lLeft + c.lWidth, page->Width()) << c.sName;
    }
    // The selection's absence is a skipped step, not a crash.
    const std::unique_ptr<PropertyPage> page = entries[0].create();
    page->SelectionChanged();
    page->ApplyChanges();
}

}  // namespace
}  // namespace tavrel::pages
