#include "platform/qt/QtFormDialog.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "platform/qt/QtFonts.h"
#include "platform/qt/QtViews.h"

namespace tavrel::qt {

namespace {

QColor ToQColor(Color color) {
    const Color bgr = ResolveColor(color);
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

}  // namespace

QCursor LinkCursor() {
    QPixmap hand(32, 32);
    hand.fill(Qt::transparent);
    QPainter p(&hand);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    // A hand pointing up with its forefinger; the fingertip is the hot spot.
    const QPolygonF outline({{11, 6},  {12, 3},  {14, 3},  {15, 6},  {15, 13}, {17, 12}, {19, 13},
                             {19, 14}, {21, 13}, {23, 14}, {23, 15}, {25, 15}, {27, 17}, {27, 24},
                             {24, 29}, {14, 29}, {9, 22},  {7, 18},  {8, 16},  {11, 18}});
    p.drawPolygon(outline);
    p.end();
    return QCursor(hand, 13, 6);
}

QtFormDialog::QtFormDialog(Form& form, QWidget* parent) : QDialog(parent), form_(form) {
    setWindowTitle(QString::fromStdString(form.Caption()));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    if (!form.Icon().IsEmpty()) setWindowIcon(QIcon(QPixmap::fromImage(ToQImage(form.Icon()))));
    setFixedSize(Pixels(form.ClientWidth()), Pixels(form.ClientHeight()));
    setMouseTracking(true);
    for (const DialogControl& control : form.Controls()) {
        QWidget* widget = nullptr;
        if (control.kind == DialogControl::Kind::Button) {
            auto* button = new QPushButton(QString::fromStdString(control.sCaption), this);
            const std::string name = control.sName;
            connect(button, &QPushButton::clicked, this, [this, name] { Deliver(name, true); });
            widget = button;
        } else {
            auto* label = new QLabel(this);
            label->setWordWrap(true);
            label->setMouseTracking(true);
            label->installEventFilter(this);
            widget = label;
        }
        widget->setObjectName(QString::fromStdString(control.sName));
        widget->setGeometry(Pixels(control.lLeft), Pixels(control.lTop), Pixels(control.lWidth),
                            Pixels(control.lHeight));
        widgets_[control.sName] = widget;
    }
    Refresh();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void QtFormDialog::ShowModal(Form& form, QWidget* parent) {
    QtFormDialog dialog(form, parent);
    dialog.exec();
}

void QtFormDialog::Deliver(const std::string& sControl, bool bClick) {
    if (bClick)
        form_.Click(sControl);
    else
        form_.MouseMove(sControl);
    Refresh();
    if (form_.IsClosed()) accept();
}

void QtFormDialog::Refresh() {
    for (const DialogControl& control : form_.Controls()) {
        QWidget* widget = widgets_[control.sName];
        QFont font = FontFor(FontSpec{"Tahoma", control.dFontPoints, control.bBold});
        font.setItalic(control.bItalic);
        font.setUnderline(control.bUnderline);
        widget->setFont(font);
        widget->setToolTip(QString::fromStdString(control.sToolTip));
        if (control.bHandCursor) widget->setCursor(LinkCursor());
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (control.kind == DialogControl::Kind::Image && !control.picture.IsEmpty())
                label->setPixmap(QPixmap::fromImage(ToQImage(control.picture)));
            else
                label->setText(QString::fromStdString(control.sCaption));
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, ToQColor(control.foreColor));
            label->setPalette(palette);
        }
    }
}

bool QtFormDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonRelease) {
        const std::string name = watched->objectName().toStdString();
        Deliver(name, event->type() == QEvent::MouseButtonRelease);
    }
    return QDialog::eventFilter(watched, event);
}

void QtFormDialog::mouseMoveEvent(QMouseEvent* event) {
    Deliver("", false);
    QDialog::mouseMoveEvent(event);
}

void QtFormDialog::closeEvent(QCloseEvent* event) {
    form_.Close();
    QDialog::closeEvent(event);
}

}  // namespace tavrel::qt
