#include "platform/qt/QtFileDialog.h"

#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <algorithm>

namespace tavrel::qt {

namespace {

// Keeps the dialog open on a choice the request does not allow, as the system's dialog does.
class RequestDialog final : public QFileDialog {
public:
    explicit RequestDialog(OpenFileRequest request) : request_(std::move(request)) {}

    void accept() override {
        const QStringList files = selectedFiles();
        // A folder is opened by the dialog itself.
        if (files.size() == 1 && QFileInfo(files.front()).isDir()) return QFileDialog::accept();
        if (files.size() != 1 || !AcceptsChoice(request_, files.front().toStdString())) {
            QMessageBox::warning(this, windowTitle(),
                                 QStringLiteral("%1\nThe folder does not exist, or the name is "
                                                "too long. Check the name and try again.")
                                     .arg(files.value(0)));
            return;
        }
        QFileDialog::accept();
    }

private:
    OpenFileRequest request_;
};

}  // namespace

std::unique_ptr<QFileDialog> QtFileDialog::Prepare(const OpenFileRequest& request) {
    auto dialog = std::make_unique<RequestDialog>(request);
    dialog->setWindowTitle(QString::fromStdString(request.sTitle));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(request.bFileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The patterns name files of a system whose names know no case.
    dialog->setFilter(dialog->filter() & ~QDir::CaseSensitive);
    QStringList filters;
    for (const OpenFileRequest::Filter& filter : request.filters)
        filters << QStringLiteral("%1 (%2)").arg(QString::fromStdString(filter.sName),
                                                 QString::fromStdString(filter.sPattern));
    if (!filters.isEmpty()) {
        dialog->setNameFilters(filters);
        const int index = std::clamp(request.lFilterIndex - 1, 0, int(filters.size()) - 1);
        dialog->selectNameFilter(filters[index]);
    }
    if (!request.sInitialDir.empty())
        dialog->setDirectory(QString::fromStdString(request.sInitialDir));
    const QString initialFile = QString::fromStdString(request.sInitialFile).trimmed();
    if (!initialFile.isEmpty()) dialog->selectFile(initialFile);
    return dialog;
}

ErrorOr<std::string> QtFileDialog::GetOpenFileName(const OpenFileRequest& request) {
    const std::unique_ptr<QFileDialog> dialog = Prepare(request);
    if (dialog->exec() != QDialog::Accepted) return Failure{"the dialog was cancelled"};
    const QStringList files = dialog->selectedFiles();
    if (files.size() != 1) return Failure{"no file was chosen"};
    return std::string(QFile::encodeName(files.front()).constData());
}

}  // namespace tavrel::qt
