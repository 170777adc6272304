#include <gtest/gtest.h>

#include <QCursor>
#include <QLabel>
#include <QPixmap>

#include "about/AboutTavrel.h"
#include "control/DesignIcon.h"
#include "platform/qt/QtFormDialog.h"
#include "support/RecordingHost.h"

namespace tavrel {
namespace {

TEST(QtFormDialogTest, TheAboutBoxAtItsSizeWithLiveLinks) {
    testing::RecordingHost host;
    AboutTavrel about(host, DesignIcon());
    qt::QtFormDialog dialog(about);
    EXPECT_EQ(dialog.size(), QSize(6630 / 15, 4830 / 15));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << "fixed size";
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_EQ(dialog.windowTitle(), "About Norvane Tavrel ActiveX Control 1.2");
    auto* link = dialog.findChild<QLabel*>("Label13");
    ASSERT_NE(link, nullptr);
    EXPECT_TRUE(link->font().bold());
    dialog.Deliver("Label13", false);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    dialog.Deliver("", false);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    auto* second = dialog.findChild<QLabel*>("Label6");
    dialog.Deliver("Label6", false);
    EXPECT_TRUE(second->font().underline());
    dialog.Deliver("Command1", true);
    EXPECT_TRUE(about.IsClosed());
}

TEST(QtFormDialogTest, TheLinkCursorIsAPointingHandWithItsHotSpot) {
    const QCursor cursor = qt::LinkCursor();
    EXPECT_EQ(cursor.hotSpot(), QPoint(13, 6));
    EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
}

}  // namespace
}  // namespace tavrel
