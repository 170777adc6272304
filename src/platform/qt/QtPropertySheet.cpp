#include "platform/qt/QtPropertySheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/Failure.h"
#include "platform/qt/QtPropertyPageView.h"

namespace tavrel::qt {

struct QtPropertySheet::Slot {
    PropertyPageEntry entry;
    QWidget* tab = nullptr;
    std::unique_ptr<PropertyPage> page;
    QtPropertyPageView* view = nullptr;
};

QtPropertySheet::QtPropertySheet(std::vector<PropertyPageEntry> entries,
                                 std::vector<AutomationObject*> selection, QWidget* parent)
    : QDialog(parent), selection_(std::move(selection)) {
    setWindowTitle(QStringLiteral("Property Pages"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    tabs_ = new QTabWidget(this);
    layout->addWidget(tabs_);
    for (PropertyPageEntry& entry : entries) {
        auto slot = std::make_unique<Slot>();
        slot->tab = new QWidget;
        tabs_->addTab(slot->tab, QString::fromStdString(entry.sCaption));
        slot->entry = std::move(entry);
        slots_.push_back(std::move(slot));
    }
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    layout->addWidget(buttons);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    cancel_ = buttons->button(QDialogButtonBox::Cancel);
    apply_ = buttons->button(QDialogButtonBox::Apply);
    connect(ok_, &QPushButton::clicked, this, [this] {
        Apply();
        accept();
    });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(apply_, &QPushButton::clicked, this, [this] { Apply(); });
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) { Create(index); });
    if (!slots_.empty()) Create(0);
    UpdateApply();
}

// The views go before the pages they show.
QtPropertySheet::~QtPropertySheet() {
    delete tabs_;
}

int QtPropertySheet::PageCount() const {
    return static_cast<int>(slots_.size());
}

bool QtPropertySheet::ShowPage(const std::string& sCaption) {
    for (size_t i = 0; i < slots_.size(); ++i) {
        if (slots_[i]->entry.sCaption == sCaption) {
            tabs_->setCurrentIndex(static_cast<int>(i));
            return true;
        }
    }
    return false;
}

PropertyPage& QtPropertySheet::CurrentPage() const {
    const int index = tabs_->currentIndex();
    if (index < 0) Fail("the sheet has no pages");
    return Require(slots_[static_cast<size_t>(index)]->page, "the page shown");
}

QtPropertyPageView& QtPropertySheet::CurrentView() const {
    const int index = tabs_->currentIndex();
    if (index < 0) Fail("the sheet has no pages");
    return Require(slots_[static_cast<size_t>(index)]->view, "the page shown");
}

PropertyPage* QtPropertySheet::Page(int index) const {
    if (index < 0 || index >= PageCount()) return nullptr;
    return slots_[static_cast<size_t>(index)]->page.get();
}

void QtPropertySheet::Create(int index) {
    if (index < 0 || index >= PageCount()) return;
    Slot& slot = *slots_[static_cast<size_t>(index)];
    if (slot.page) return;
    slot.page = slot.entry.create();
    slot.page->OnChangedFlag([this] { UpdateApply(); });
    slot.view = new QtPropertyPageView(*slot.page, slot.tab);
    slot.tab->setFixedSize(slot.view->size());
    slot.view->show();  // the tab may be on the screen already
    slot.page->SelectedControls(selection_);
    slot.page->SelectionChanged();
    slot.view->Sync();
}

void QtPropertySheet::Apply() {
    for (const std::unique_ptr<Slot>& slot : slots_) {
        if (!slot->page || !slot->page->Changed()) continue;
        slot->page->ApplyChanges();
        slot->page->Changed(false);
        slot->view->Sync();
    }
    UpdateApply();
}

void QtPropertySheet::UpdateApply() {
    bool bChanged = false;
    for (const std::unique_ptr<Slot>& slot : slots_)
        bChanged = bChanged || (slot->page && slot->page->Changed());
    if (apply_) apply_->setEnabled(bChanged);
}

}  // namespace tavrel::qt
