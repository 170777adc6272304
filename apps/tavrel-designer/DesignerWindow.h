#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>

#include "control/TavrelAutomation.h"
#include "platform/Failure.h"
#include "platform/FileDialog.h"
#include "platform/qt/QtPictureCodec.h"
#include "platform/qt/QtPropertySheet.h"
#include "platform/qt/TavrelWidget.h"

namespace tavrel::apps {

// The design-time host: the control on a form, its property sheet, its About box, and its
// settings file. A file that could not be loaded is never saved over unless Save As names it.
class DesignerWindow : public QMainWindow {
public:
    // `iconDialog` answers the item page's Browse...; in script mode nothing is modal.
    DesignerWindow(FileDialog& iconDialog, bool bScript);
    ~DesignerWindow() override;

    qt::TavrelWidget& Bar() { return *bar_; }

    // Loads the settings file into a new control; on failure the current control stays and the
    // file is not the one Save writes to.
    ErrorOr<void> Open(const QString& path);
    void New();
    // To the file loaded or last saved as; a Failure when there is none.
    ErrorOr<void> Save();
    ErrorOr<void> SaveAs(const QString& path);
    const QString& File() const { return file_; }

    // The property sheet for the control: modal, or shown and left open in script mode.
    qt::QtPropertySheet& OpenSheet();
    // The sheet while it is open, else null.
    qt::QtPropertySheet* Sheet() const;
    void About();

    // Where failures are told: standard error, and a message box when not in script mode.
    void Report(const QString& what);

private:
    // Asks for a file name, as the menu's Save As does.
    void AskAndSaveAs();
    void ReportIfFailed(const ErrorOr<void>& result);
    void CloseSheet();
    void UpdateTitle();

    FileDialog& iconDialog_;
    bool bScript_;
    qt::TavrelWidget* bar_ = nullptr;
    qt::QtPictureCodec codec_;
    TavrelAutomation automation_;
    std::unique_ptr<qt::QtPropertySheet> sheet_;
    QString file_;
};

}  // namespace tavrel::apps
