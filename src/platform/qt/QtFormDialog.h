#pragma once

#include <QDialog>
#include <QString>
#include <map>
#include <string>

#include "platform/Form.h"

class QLabel;

namespace tavrel::qt {

// Shows a dialog form with real Qt widgets at its sizes in twips (15 to a pixel): fixed size,
// no minimise or maximise button, centred on the screen. Clicks and pointer moves go to the
// form's handlers by control name; the widgets show the form's controls again after each, and
// the dialog closes when the form has closed itself.
class QtFormDialog : public QDialog {
public:
    explicit QtFormDialog(Form& form, QWidget* parent = nullptr);

    // Shows the form modally; returns when it has closed.
    static void ShowModal(Form& form, QWidget* parent);

    // Reports an event as the view would (for tests and scripts).
    void Deliver(const std::string& sControl, bool bClick);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Refresh();

    Form& form_;
    std::map<std::string, QWidget*> widgets_;
};

// The pointing hand shown over link labels: 32 x 32, its hot spot at (13, 6).
QCursor LinkCursor();

}  // namespace tavrel::qt
