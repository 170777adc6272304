#pragma once

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "platform/PropertyPage.h"

class QPushButton;
class QTabWidget;

namespace tavrel::qt {

class QtPropertyPageView;

// The host's property sheet: a tab per page in the order given, each page made when its tab is
// first shown and then told the selection; OK, Cancel and Apply. Apply is enabled while a page
// is changed; applying asks each changed page to apply and clears its flag.
class QtPropertySheet : public QDialog {
public:
    QtPropertySheet(std::vector<PropertyPageEntry> entries,
                    std::vector<AutomationObject*> selection, QWidget* parent = nullptr);
    ~QtPropertySheet() override;

    int PageCount() const;
    // Shows the tab with this title; false when there is none.
    bool ShowPage(const std::string& sCaption);
    // The page and view of the tab shown.
    PropertyPage& CurrentPage() const;
    QtPropertyPageView& CurrentView() const;
    // Null until the tab has been shown.
    PropertyPage* Page(int index) const;

    QTabWidget& Tabs() const { return *tabs_; }
    QPushButton& OkButton() const { return *ok_; }
    QPushButton& CancelButton() const { return *cancel_; }
    QPushButton& ApplyButton() const { return *apply_; }

    void Apply();

private:
    struct Slot;
    void Create(int index);
    void UpdateApply();

    std::vector<AutomationObject*> selection_;
    std::vector<std::unique_ptr<Slot>> slots_;
    QTabWidget* tabs_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* apply_ = nullptr;
};

}  // namespace tavrel::qt
