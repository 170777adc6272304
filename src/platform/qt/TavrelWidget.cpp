#include "platform/qt/TavrelWidget.h"

#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <cstdio>
#include <thread>

#include "control/Tavrel.h"
#include "platform/Surface.h"
#include "platform/qt/ProgramStarter.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtDownloader.h"
#include "platform/qt/QtFormDialog.h"
#include "platform/qt/QtPictureCodec.h"
#include "platform/qt/QtSurfaces.h"
#include "platform/qt/SettingsFile.h"

namespace tavrel::qt {

namespace {

constexpr int kInitialWidth = 120;
constexpr int kInitialHeight = 300;

int16_t ButtonCode(Qt::MouseButtons buttons) {
    return static_cast<int16_t>(buttons.toInt() &
                                (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton));
}

int16_t ShiftCode(Qt::KeyboardModifiers modifiers) {
    return static_cast<int16_t>((modifiers & Qt::ShiftModifier ? 1 : 0) |
                                (modifiers & Qt::ControlModifier ? 2 : 0) |
                                (modifiers & Qt::AltModifier ? 4 : 0));
}

}  // namespace

// The widget's side of the control: the host services and the event sink.
struct TavrelWidget::Impl final : Host, TavrelEvents {
    explicit Impl(TavrelWidget& w)
        : widget(w),
          downloader(
              codec,
              [this](const std::string& tag, const Picture& picture, const std::string& target) {
                  if (control) control->OnDownloadComplete(tag, picture, target);
              },
              [this](const std::string& line) {
                  std::fprintf(stderr, "%s\n", line.c_str());
                  emit widget.DownloadWarning(QString::fromStdString(line));
              }) {}

    // --- Host ---
    ErrorOr<int32_t> ExtenderWidth() override { return widget.width() * kTwipsPerPixel; }
    ErrorOr<void> SetExtenderWidth(int32_t lTwips) override {
        widget.resize(std::max(1, lTwips / kTwipsPerPixel), widget.height());
        return {};
    }
    ErrorOr<void> AssignEmptyExtenderParent() override {
        if (!bAcceptsParent) return Failure{"the extender's Parent is read-only"};
        return {};
    }
    int32_t ClientWidth() override { return widget.width(); }
    int32_t ClientHeight() override { return widget.height(); }
    void EnableWindow(bool bEnabled) override { widget.setEnabled(bEnabled); }
    ErrorOr<PointL> GetCursorPos() override { return PointL{lastCursor.x(), lastCursor.y()}; }
    ErrorOr<PointL> ScreenToClient(PointL screen) override {
        const QPoint client = widget.mapFromGlobal(QPoint(screen.x, screen.y));
        return PointL{client.x(), client.y()};
    }
    void NotifyPropertyChanged(std::string_view sName) override {
        emit widget.PropertyChanged(
            QString::fromUtf8(sName.data(), static_cast<qsizetype>(sName.size())));
    }
    void Beep() override {
        QApplication::beep();
        emit widget.Beeped();
    }
    void MessageBox(std::string_view sText) override {
        const QString text = QString::fromUtf8(sText.data(), static_cast<qsizetype>(sText.size()));
        emit widget.MessageShown(text);
        if (bModalMessages)
            QMessageBox::information(&widget, QStringLiteral("Tavrel"), text, QMessageBox::Ok);
    }
    ErrorOr<void> RequestDownload(const std::string& sTarget, DownloadKind /*kind*/,
                                  const std::string& sTag) override {
        if (!bDownloadsAllowed) return Failure{"downloads are switched off"};
        return downloader.Request(sTarget, sTag);
    }

    ErrorOr<void> ShowModalForm(Form& form) override {
        emit widget.FormShown(QString::fromStdString(form.Caption()));
        if (bModalMessages) QtFormDialog::ShowModal(form, &widget);
        return {};
    }
    void MessageBoxEx(std::string_view sText, MessageIcon icon, std::string_view sTitle) override {
        const QString text = QString::fromUtf8(sText.data(), static_cast<qsizetype>(sText.size()));
        emit widget.MessageShown(text);
        if (!bModalMessages) return;
        const QString title =
            sTitle.empty()
                ? QStringLiteral("Tavrel")
                : QString::fromUtf8(sTitle.data(), static_cast<qsizetype>(sTitle.size()));
        QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                        title, text, QMessageBox::Ok, &widget);
        box.exec();
    }
    ErrorOr<void> StartProgram(const std::string& sCommandLine, int16_t iWindowStyle) override {
        return StartDetached(sCommandLine, iWindowStyle);
    }

    // --- TavrelEvents ---
    void MenuItemClick(int32_t& MenuNumber, int32_t& MenuItem) override {
        if (sink) sink->MenuItemClick(MenuNumber, MenuItem);
        emit widget.MenuItemClick(MenuNumber, MenuItem);
    }

    // A new control on fresh surfaces; `build` gives it its settings.
    template <class Build>
    void Replace(Build build) {
        Retire();
        picMenu = MakeSurface(std::max(1, widget.width()), std::max(1, widget.height()));
        auto picCache = MakeSurface(std::max(1, widget.width()), 69);
        picMenu->SetFramePresenter([this] { PresentFrame(); });
        control = std::make_unique<Tavrel>(*this, *this, picMenu, picCache);
        control->OnCreate();
        build(*control);
        control->OnResize();
        if (widget.isVisible()) (void)control->OnShow();
        control->OnPaint();
        widget.update();
    }

    // The old control may still be on the stack (a handler that replaced it): it goes when the
    // event loop next runs.
    void Retire() {
        if (!control) return;
        std::shared_ptr<Tavrel> old(control.release(), [](Tavrel* t) {
            t->OnDestroy();
            delete t;
        });
        old->picMenu()->SetFramePresenter(nullptr);
        QTimer::singleShot(0, &widget, [old] {});
    }

    void PresentFrame() {
        if (!bPresentFrames) return;
        if (pacing.count() > 0) {
            std::this_thread::sleep_until(lastFrame + pacing);
            lastFrame = std::chrono::steady_clock::now();
        }
        widget.repaint();
        emit widget.FramePresented();
    }

    TavrelWidget& widget;
    QtPictureCodec codec;
    QtDownloader downloader;
    std::shared_ptr<Surface> picMenu;
    std::unique_ptr<Tavrel> control;
    TavrelEvents* sink = nullptr;
    std::chrono::microseconds pacing{0};
    std::chrono::steady_clock::time_point lastFrame{};
    bool bModalMessages = true;
    bool bPresentFrames = true;
    bool bDownloadsAllowed = true;
    bool bAcceptsParent = true;
    QPoint lastCursor;
};

TavrelWidget::TavrelWidget(QWidget* parent)
    : QWidget(parent), impl_(std::make_unique<Impl>(*this)) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(kInitialWidth, kInitialHeight);
    NewInstance();
}

TavrelWidget::~TavrelWidget() {
    if (impl_->control) impl_->control->OnDestroy();
}

void TavrelWidget::NewInstance() {
    impl_->Replace([](Tavrel& control) { control.InitDefaults(); });
}

ErrorOr<void> TavrelWidget::LoadInstance(const QString& path) {
    auto file = SettingsFile::Load(path.toStdString());
    if (file.IsError()) return file.Error();
    impl_->Replace([&](Tavrel& control) { control.LoadSettings(file.Value()); });
    return {};
}

ErrorOr<void> TavrelWidget::SaveInstance(const QString& path) {
    SettingsFile file;
    impl_->control->SaveSettings(file);
    return file.Save(path.toStdString());
}

Tavrel& TavrelWidget::Control() {
    return *impl_->control;
}
Surface& TavrelWidget::VisibleSurface() {
    return *impl_->picMenu;
}
int TavrelWidget::OutstandingDownloads() const {
    return impl_->downloader.Outstanding();
}
void TavrelWidget::SetEventSink(TavrelEvents* sink) {
    impl_->sink = sink;
}
void TavrelWidget::SetFramePacing(std::chrono::microseconds pacing) {
    impl_->pacing = pacing;
}
void TavrelWidget::SetDownloadsAllowed(bool bAllowed) {
    impl_->bDownloadsAllowed = bAllowed;
}
void TavrelWidget::SetFramePresentation(bool bPresent) {
    impl_->bPresentFrames = bPresent;
}
void TavrelWidget::SetModalMessages(bool bModal) {
    impl_->bModalMessages = bModal;
}
void TavrelWidget::SetAcceptsExtenderParent(bool bAccepts) {
    impl_->bAcceptsParent = bAccepts;
}
QSize TavrelWidget::sizeHint() const {
    return QSize(kInitialWidth, kInitialHeight);
}

void TavrelWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawImage(0, 0, CanvasImage(impl_->picMenu->Pixels()));
}

void TavrelWidget::resizeEvent(QResizeEvent* /*event*/) {
    if (!impl_ || !impl_->control) return;
    impl_->control->OnResize();
    impl_->control->OnPaint();
    update();
}

void TavrelWidget::showEvent(QShowEvent* /*event*/) {
    if (!impl_->control) return;
    (void)impl_->control->OnShow();
    impl_->control->OnPaint();
}

void TavrelWidget::mousePressEvent(QMouseEvent* event) {
    impl_->lastCursor = event->globalPosition().toPoint();
    const QPointF at = event->position();
    impl_->control->OnSurfaceMouseDown(ButtonCode(event->button()), ShiftCode(event->modifiers()),
                                       static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void TavrelWidget::mouseMoveEvent(QMouseEvent* event) {
    impl_->lastCursor = event->globalPosition().toPoint();
    const QPointF at = event->position();
    impl_->control->OnSurfaceMouseMove(ButtonCode(event->buttons()), ShiftCode(event->modifiers()),
                                       static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void TavrelWidget::mouseReleaseEvent(QMouseEvent* event) {
    impl_->lastCursor = event->globalPosition().toPoint();
    const QPointF at = event->position();
    impl_->control->OnSurfaceMouseUp(ButtonCode(event->button()), ShiftCode(event->modifiers()),
                                     static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void TavrelWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // The platform reports the second press of a double-click only as the double-click.
    impl_->lastCursor = event->globalPosition().toPoint();
    if (event->button() == Qt::LeftButton) impl_->control->OnSurfaceDblClick();
}

}  // namespace tavrel::qt
