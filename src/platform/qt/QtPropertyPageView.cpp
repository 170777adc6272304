#include "platform/qt/QtPropertyPageView.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <limits>

#include "platform/qt/QtFonts.h"
#include "platform/qt/QtViews.h"

namespace tavrel::qt {

namespace {

QString ToQString(const std::string& s) {
    return QString::fromStdString(s);
}

// The widget kinds, one per model kind.
struct WidgetMaker {
    QtPropertyPageView& view;

    QWidget* operator()(Frame* frame) const {
        return new QGroupBox(ToQString(frame->sCaption), &view);
    }
    QWidget* operator()(Label* label) const {
        return new QLabel(ToQString(label->sCaption), &view);
    }
    QWidget* operator()(TextBox* box) const {
        auto* edit = new QLineEdit(&view);
        QObject::connect(edit, &QLineEdit::textEdited, &view,
                         [view = &view, box](const QString& text) {
                             box->Text(text.toStdString());
                             view->Sync();
                         });
        return edit;
    }
    QWidget* operator()(Spinner* spinner) const {
        auto* bar = new QScrollBar(Qt::Vertical, &view);
        bar->setSingleStep(1);
        bar->setPageStep(1);
        // The arrows move the model; the bar then stands where the model says, whatever range
        // the bar itself could show.
        QObject::connect(bar, &QAbstractSlider::actionTriggered, &view,
                         [view = &view, bar, spinner](int a) {
                             if (a == QAbstractSlider::SliderSingleStepSub ||
                                 a == QAbstractSlider::SliderPageStepSub)
                                 spinner->UpArrow();
                             else if (a == QAbstractSlider::SliderSingleStepAdd ||
                                      a == QAbstractSlider::SliderPageStepAdd)
                                 spinner->DownArrow();
                             view->Sync();
                             bar->setSliderPosition(spinner->Value());
                         });
        return bar;
    }
    QWidget* operator()(Image*) const {
        auto* label = new QLabel(&view);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    QWidget* operator()(Button* button) const {
        auto* push = new QPushButton(ToQString(button->Caption()), &view);
        QObject::connect(push, &QPushButton::clicked, &view, [view = &view, button] {
            button->Click();
            view->Sync();
        });
        return push;
    }
};

// Shows one model in its widget.
struct WidgetSync {
    QWidget* widget;

    void operator()(Frame*) const {}
    void operator()(Label*) const {}
    void operator()(TextBox* box) const {
        auto* edit = static_cast<QLineEdit*>(widget);
        edit->setMaxLength(box->MaxLength() > 0 ? box->MaxLength()
                                                : std::numeric_limits<int>::max());
        const QString text = ToQString(box->Text());
        if (edit->text() != text) edit->setText(text);
    }
    void operator()(Spinner* spinner) const {
        auto* bar = static_cast<QScrollBar*>(widget);
        bar->setRange(std::min(spinner->Min(), spinner->Max()),
                      std::max(spinner->Min(), spinner->Max()));
        bar->setValue(spinner->Value());
    }
    void operator()(Image* image) const {
        auto* label = static_cast<QLabel*>(widget);
        if (image->picture.IsEmpty())
            label->clear();
        else
            label->setPixmap(QPixmap::fromImage(ToQImage(image->picture)));
    }
    void operator()(Button*) const {}
};

}  // namespace

QtPropertyPageView::QtPropertyPageView(PropertyPage& page, QWidget* parent)
    : QWidget(parent), page_(page) {
    setFixedSize(Pixels(page.Width()), Pixels(page.Height()));
    setFont(FontFor(FontSpec{"Tahoma", 8.25, false}));
    for (const PageControl& control : page.Controls()) {
        QWidget* widget = std::visit(WidgetMaker{*this}, control.model);
        widget->setObjectName(ToQString(control.sName));
        widget->setGeometry(Pixels(control.lLeft), Pixels(control.lTop), Pixels(control.lWidth),
                            Pixels(control.lHeight));
        widgets_[control.sName] = widget;
    }
    Sync();
}

QWidget* QtPropertyPageView::Widget(const std::string& sName) const {
    const auto found = widgets_.find(sName);
    return found == widgets_.end() ? nullptr : found->second;
}

void QtPropertyPageView::Sync() {
    for (const PageControl& control : page_.Controls()) {
        QWidget* widget = widgets_.at(control.sName);
        const QSignalBlocker blocker(widget);
        std::visit(WidgetSync{widget}, control.model);
    }
}

void TypeInto(QLineEdit& edit, const QString& text) {
    edit.selectAll();
    const auto press = [&edit](int key, const QString& typed) {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, typed);
        QApplication::sendEvent(&edit, &down);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, typed);
        QApplication::sendEvent(&edit, &up);
    };
    if (text.isEmpty()) press(Qt::Key_Backspace, QString());
    for (const QChar c : text) press(c.toUpper().unicode(), QString(c));
}

}  // namespace tavrel::qt
