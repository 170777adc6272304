#include "apps/tavrel-designer/DesignerWindow.h"

#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QVBoxLayout>
#include <iostream>

#include "control/Tavrel.h"
#include "pages/PropertyPages.h"

namespace tavrel::apps {

namespace {
constexpr int kFormMargin = 12;
const QString kSettingsFilter = QStringLiteral("Tavrel settings (*.json);;All files (*)");
}  // namespace

DesignerWindow::DesignerWindow(FileDialog& iconDialog, bool bScript)
    : iconDialog_(iconDialog),
      bScript_(bScript),
      automation_([this]() -> Tavrel& { return bar_->Control(); }) {
    // The form the control sits on.
    auto* form = new QWidget(this);
    form->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(form);
    layout->setContentsMargins(kFormMargin, kFormMargin, kFormMargin, kFormMargin);
    bar_ = new qt::TavrelWidget(form);
    layout->addWidget(bar_, 0, Qt::AlignLeft | Qt::AlignTop);
    setCentralWidget(form);
    bar_->SetModalMessages(!bScript);
    bar_->SetFramePacing(std::chrono::microseconds(bScript ? 0 : 1000));

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Save"), this, [this] {
        if (file_.isEmpty())
            AskAndSaveAs();
        else
            ReportIfFailed(Save());
    });
    file->addAction(QStringLiteral("Save &As..."), this, [this] { AskAndSaveAs(); });
    file->addSeparator();
    file->addAction(QStringLiteral("&Quit"), this, &QWidget::close);
    QMenu* control = menuBar()->addMenu(QStringLiteral("&Control"));
    control->addAction(QStringLiteral("&Properties..."), this, [this] { OpenSheet(); });
    control->addAction(QStringLiteral("&About..."), this, [this] { About(); });
    UpdateTitle();
}

DesignerWindow::~DesignerWindow() {
    CloseSheet();
}

ErrorOr<void> DesignerWindow::Open(const QString& path) {
    CloseSheet();
    const ErrorOr<void> loaded = bar_->LoadInstance(path);
    if (loaded.IsError()) return loaded;
    file_ = path;
    UpdateTitle();
    return {};
}

void DesignerWindow::New() {
    CloseSheet();
    bar_->NewInstance();
    file_.clear();
    UpdateTitle();
}

ErrorOr<void> DesignerWindow::Save() {
    if (file_.isEmpty()) return Failure{"there is no file to save to yet; use Save As"};
    return SaveAs(file_);
}

ErrorOr<void> DesignerWindow::SaveAs(const QString& path) {
    const ErrorOr<void> saved = bar_->SaveInstance(path);
    if (saved.IsError()) return saved;
    file_ = path;
    UpdateTitle();
    return {};
}

qt::QtPropertySheet& DesignerWindow::OpenSheet() {
    CloseSheet();
    sheet_ =
        std::make_unique<qt::QtPropertySheet>(pages::TavrelPropertyPages(iconDialog_, codec_),
                                              std::vector<AutomationObject*>{&automation_}, this);
    sheet_->setWindowTitle(QStringLiteral("Tavrel Properties"));
    if (bScript_) {
        sheet_->show();
    } else {
        sheet_->exec();
    }
    return *sheet_;
}

qt::QtPropertySheet* DesignerWindow::Sheet() const {
    return sheet_ && sheet_->isVisible() ? sheet_.get() : nullptr;
}

void DesignerWindow::CloseSheet() {
    sheet_.reset();
}

void DesignerWindow::About() {
    ReportIfFailed(bar_->Control().ShowAboutBox());
}

void DesignerWindow::AskAndSaveAs() {
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Save As"), file_, kSettingsFilter);
    if (!path.isEmpty()) ReportIfFailed(SaveAs(path));
}

void DesignerWindow::ReportIfFailed(const ErrorOr<void>& result) {
    if (result.IsError()) Report(QString::fromStdString(result.Error().sReason));
}

void DesignerWindow::Report(const QString& what) {
    std::cerr << "tavrel-designer: " << what.toStdString() << std::endl;
    if (!bScript_) QMessageBox::warning(this, QStringLiteral("Tavrel Designer"), what);
}

void DesignerWindow::UpdateTitle() {
    setWindowTitle(QStringLiteral("Tavrel Designer - %1")
                       .arg(file_.isEmpty() ? QStringLiteral("(not saved)") : file_));
}

}  // namespace tavrel::apps
