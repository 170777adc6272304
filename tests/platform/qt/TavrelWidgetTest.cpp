#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include "control/Automation.h"
#include "control/Tavrel.h"
#include "platform/qt/TavrelWidget.h"

namespace tavrel {
namespace {

// Real Qt mouse events, sent to a shown widget on the offscreen platform.
class TavrelWidgetTest : public ::testing::Test {
protected:
    void SetUp() override {
        widget.SetModalMessages(false);
        widget.show();
        ASSERT_FALSE(PutProperty(widget.Control(), "MenusMax", int32_t{3}).IsError());
        ASSERT_FALSE(PutProperty(widget.Control(), "MenuItemsMax", int32_t{4}).IsError());
    }
    void Send(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, at, widget.mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(&widget, &event);
    }
    void Click(QPointF at) {
        Send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        Send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }

    qt::TavrelWidget widget;
};

TEST_F(TavrelWidgetTest, AClickOnAnItemEmitsTheSignalOnceWithItsNumbers) {
    int clicks = 0, menu = 0, item = 0;
    QObject::connect(&widget, &qt::TavrelWidget::MenuItemClick, &widget, [&](int m, int i) {
        ++clicks;
        menu = m;
        item = i;
    });
    Send(QEvent::MouseMove, QPointF(60, 110), Qt::NoButton, Qt::NoButton);
    Click(QPointF(60.4, 110.5));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(menu, 1);
    EXPECT_EQ(item, 2);
    Click(QPointF(60, 10));  // a caption button: no click
    EXPECT_EQ(clicks, 1);
}

TEST_F(TavrelWidgetTest, APressOnACaptionButtonSlidesFrameByFrame) {
    int frames = 0;
    QObject::connect(&widget, &qt::TavrelWidget::FramePresented, &widget, [&] { ++frames; });
    Send(QEvent::MouseButtonPress, QPointF(60, 290), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(widget.Control().MenuCur(), 3);
    EXPECT_EQ(frames, 300 - 3 * 18 - 1);
    Send(QEvent::MouseButtonRelease, QPointF(60, 290), Qt::LeftButton, Qt::NoButton);
}

TEST_F(TavrelWidgetTest, TheControlIsNeverNarrowerThan1320Twips) {
    widget.resize(40, 200);
    EXPECT_EQ(widget.width(), 1320 / 15);
    EXPECT_EQ(widget.height(), 200);
    EXPECT_EQ(widget.VisibleSurface().Width(), 88);
    widget.resize(200, 500);
    EXPECT_EQ(widget.VisibleSurface().Width(), 200);
    EXPECT_EQ(widget.VisibleSurface().Height(), 500);
}

TEST_F(TavrelWidgetTest, ADoubleClickCountsAsTwoClicks) {
    int clicks = 0;
    QObject::connect(&widget, &qt::TavrelWidget::MenuItemClick, &widget,
                     [&](int, int) { ++clicks; });
    const QPointF at(60, 45);
    Send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    Send(QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(clicks, 2);
}

TEST_F(TavrelWidgetTest, EnabledFalseStopsInputOnTheWidget) {
    int clicks = 0;
    QObject::connect(&widget, &qt::TavrelWidget::MenuItemClick, &widget,
                     [&](int, int) { ++clicks; });
    ASSERT_FALSE(PutProperty(widget.Control(), "Enabled", false).IsError());
    EXPECT_FALSE(widget.isEnabled());
    Click(QPointF(60, 45));
    EXPECT_EQ(clicks, 0);
    ASSERT_FALSE(PutProperty(widget.Control(), "Enabled", true).IsError());
    Click(QPointF(60, 45));
    EXPECT_EQ(clicks, 1);
}

TEST_F(TavrelWidgetTest, AHandlerMayReplaceOrDeleteTheWidgetsControl) {
    QObject::connect(&widget, &qt::TavrelWidget::MenuItemClick, &widget,
                     [&](int, int) { widget.NewInstance(); });
    Click(QPointF(60, 45));
    QApplication::processEvents();
    EXPECT_EQ(widget.Control().MenusMax(), 1) << "a new instance";
    auto* doomed = new qt::TavrelWidget;
    doomed->show();
    QObject::connect(doomed, &qt::TavrelWidget::MenuItemClick, doomed,
                     [doomed](int, int) { doomed->deleteLater(); });
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(60, 45), QPointF(60, 45), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(60, 45), QPointF(60, 45),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(doomed, &press);
    QApplication::sendEvent(doomed, &release);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
}  // namespace tavrel
