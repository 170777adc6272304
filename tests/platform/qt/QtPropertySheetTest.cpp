#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "control/Automation.h"
#include "control/TavrelAutomation.h"
#include "pages/Global.h"
#include "pages/PropertyPages.h"
#include "platform/qt/QtFileDialog.h"
#include "platform/qt/QtPictureCodec.h"
#include "platform/qt/QtPropertyPageView.h"
#include "platform/qt/QtPropertySheet.h"
#include "support/AnsweringFileDialog.h"
#include "support/ControlFixture.h"
#include "support/IconFiles.h"

namespace tavrel::qt {
namespace {

namespace fs = std::filesystem;

class PropertySheetTest : public testing::ControlFixture {
protected:
    std::unique_ptr<QtPropertySheet> NewSheet() {
        return std::make_unique<QtPropertySheet>(pages::TavrelPropertyPages(dialog, codec),
                                                 std::vector<AutomationObject*>{&automation});
    }
    template <class W>
    W& Widget(QtPropertySheet& sheet, const std::string& sName) {
        auto* widget = qobject_cast<W*>(sheet.CurrentView().Widget(sName));
        if (widget == nullptr) throw std::runtime_error("no widget " + sName);
        return *widget;
    }
    int32_t Int(std::string_view sName) {
        return std::get<int32_t>(GetProperty(control, sName).Value());
    }

    TavrelAutomation automation{control};
    testing::AnsweringFileDialog dialog;
    QtPictureCodec codec;
};

TEST_F(PropertySheetTest, TabsInOrderEachPageMadeWhenFirstShown) {
    const auto sheet = NewSheet();
    ASSERT_EQ(sheet->Tabs().count(), 3);
    EXPECT_EQ(sheet->Tabs().tabText(0), "Menus");
    EXPECT_EQ(sheet->Tabs().tabText(1), "MenuObjects");
    EXPECT_EQ(sheet->Tabs().tabText(2), "MenuItemObjects");
    ASSERT_NE(sheet->Page(0), nullptr);
    EXPECT_EQ(sheet->Page(1), nullptr);
    EXPECT_EQ(sheet->Page(2), nullptr);

    ASSERT_TRUE(sheet->ShowPage("MenuItemObjects"));
    ASSERT_NE(sheet->Page(2), nullptr);
    EXPECT_EQ(sheet->Page(1), nullptr);
    // Told the selection when made: the item page shows the current item's caption.
    EXPECT_EQ(Widget<QLineEdit>(*sheet, "txtMenuItemCaption").text().toStdString(),
              control.MenuItemCaption());
    EXPECT_FALSE(sheet->ShowPage("Nope"));

    // The pages at their sizes in twips.
    EXPECT_EQ(sheet->CurrentView().size(), QSize(349, 179));
    EXPECT_EQ(sheet->CurrentView().Widget("imgPicture")->size(), QSize(32, 32));
}

TEST_F(PropertySheetTest, ApplyIsEnabledWhileAPageIsChanged) {
    const auto sheet = NewSheet();
    // The first load filled the empty boxes: there is something to apply.
    EXPECT_TRUE(sheet->ApplyButton().isEnabled());
    sheet->ApplyButton().click();
    EXPECT_FALSE(sheet->ApplyButton().isEnabled());
    EXPECT_FALSE(sheet->CurrentPage().Changed());

    auto& count = Widget<QLineEdit>(*sheet, "txtMenusMax");
    TypeInto(count, "45");
    EXPECT_EQ(count.text(), "4");  // one character at most
    EXPECT_TRUE(sheet->ApplyButton().isEnabled());
    sheet->ApplyButton().click();
    EXPECT_EQ(Int("MenusMax"), 4);
    EXPECT_FALSE(sheet->ApplyButton().isEnabled());
}

TEST_F(PropertySheetTest, SpinnerArrowsWriteIntoTheirBox) {
    const auto sheet = NewSheet();
    auto& spinner = Widget<QScrollBar>(*sheet, "VScroll2");
    EXPECT_EQ(spinner.size(), QSize(13, 26));
    spinner.triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(Widget<QLineEdit>(*sheet, "txtMenusMax").text(), "2");
    EXPECT_EQ(spinner.value(), -2);
    spinner.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    spinner.triggerAction(QAbstractSlider::SliderSingleStepAdd);  // at its lower end
    EXPECT_EQ(Widget<QLineEdit>(*sheet, "txtMenusMax").text(), "1");
    EXPECT_EQ(spinner.value(), -1);
}

TEST_F(PropertySheetTest, TypedValueReachesTheControlOnOk) {
    const auto sheet = NewSheet();
    sheet->show();
    ASSERT_TRUE(sheet->ShowPage("MenuObjects"));
    TypeInto(Widget<QLineEdit>(*sheet, "txtMenuCaption"), "Reports");
    EXPECT_NE(control.MenuCaption(), "Reports");
    sheet->OkButton().click();
    EXPECT_EQ(control.MenuCaption(), "Reports");
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_EQ(sheet->result(), QDialog::Accepted);

    // Cancel applies nothing.
    const auto second = NewSheet();
    second->show();
    second->ShowPage("MenuObjects");
    TypeInto(Widget<QLineEdit>(*second, "txtMenuCaption"), "Lost");
    second->CancelButton().click();
    EXPECT_EQ(control.MenuCaption(), "Reports");
}

TEST_F(PropertySheetTest, BrowsedIconShowsInThePreviewAndReachesTheControlOnApply) {
    const fs::path icon =
        fs::temp_directory_path() / ("tavrel-sheet-" + std::to_string(::getpid()) + ".ico");
    dialog.answer = testing::WriteIconFile(icon, 0xFF2040C0);
    const auto sheet = NewSheet();
    sheet->show();
    ASSERT_TRUE(sheet->ShowPage("MenuItemObjects"));
    sheet->ApplyButton().click();
    const Picture before = control.MenuItemIcon();

    Widget<QPushButton>(*sheet, "cmdBrowse").click();
    const QPixmap shown = Widget<QLabel>(*sheet, "imgPicture").pixmap();
    ASSERT_EQ(shown.size(), QSize(32, 32));
    EXPECT_EQ(shown.toImage().pixelColor(16, 16), QColor(0x20, 0x40, 0xC0));
    EXPECT_TRUE(control.MenuItemIcon() == before);
    EXPECT_TRUE(sheet->ApplyButton().isEnabled());
    sheet->ApplyButton().click();
    EXPECT_FALSE(control.MenuItemIcon() == before);
    EXPECT_EQ(control.MenuItemIcon().Width(), 32);
    fs::remove(icon);
}

class IconDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("tavrel-dialog-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
    fs::path folder;
};

TEST_F(IconDialogTest, IconFileDialogAsTheRequestSays) {
    for (const char* name : {"a.ico", "B.ICO", "c.Ico", "d.txt", "e.png"})
        std::ofstream(folder / name) << "x";
    const std::unique_ptr<QFileDialog> dialog = QtFileDialog::Prepare(pages::IconFileRequest());
    EXPECT_EQ(dialog->windowTitle(), "Select Icon");
    EXPECT_EQ(dialog->nameFilters(), QStringList{"Icon Files (*.ICO)"});
    EXPECT_EQ(dialog->fileMode(), QFileDialog::AnyFile);
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog->parentWidget(), nullptr);

    // Icon files in any case, nothing else.
    dialog->setDirectory(QString::fromStdString(folder.string()));
    auto* model = dialog->findChild<QFileSystemModel*>();
    ASSERT_NE(model, nullptr);
    const QModelIndex root = model->index(QString::fromStdString(folder.string()));
    for (int i = 0; i < 200 && model->rowCount(root) < 3; ++i) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
    QStringList shown;
    for (int row = 0; row < model->rowCount(root); ++row)
        shown << model->index(row, 0, root).data().toString();
    shown.sort();
    EXPECT_EQ(shown, (QStringList{"B.ICO", "a.ico", "c.Ico"}));
}

TEST_F(IconDialogTest, AMissingFolderKeepsTheDialogOpen) {
    const std::unique_ptr<QFileDialog> dialog = QtFileDialog::Prepare(pages::IconFileRequest());
    dialog->setDirectory(QString::fromStdString(folder.string()));
    dialog->show();
    // The refusal is a message box of its own; close it as a person would.
    QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget(); box && box->inherits("QMessageBox"))
            box->close();
    });
    dialog->selectFile(QString::fromStdString((folder / "nowhere" / "x.ico").string()));
    QMetaObject::invokeMethod(dialog.get(), "accept");
    EXPECT_TRUE(dialog->isVisible());

    dialog->selectFile(QString::fromStdString((folder / "new.ico").string()));
    QMetaObject::invokeMethod(dialog.get(),
                              "accept");  // a file that does not exist yet, in a folder that does
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

}  // namespace
}  // namespace tavrel::qt
