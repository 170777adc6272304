#include "platform/PropertyPage.h"

namespace tavrel {

PropertyPage::PropertyPage(std::string sCaption, int32_t lWidth, int32_t lHeight)
    : sCaption_(std::move(sCaption)), lWidth_(lWidth), lHeight_(lHeight) {}

const PageControl* PropertyPage::Find(std::string_view sName) const {
    for (const PageControl& control : controls_)
        if (control.sName == sName) return &control;
    return nullptr;
}

void PropertyPage::Changed(bool bChanged) {
    bChanged_ = bChanged;
    if (onChangedFlag_) onChangedFlag_();
}

void PropertyPage::Place(std::string sName, int32_t lLeft, int32_t lTop, int32_t lWidth,
                         int32_t lHeight, PageControl::Model model) {
    controls_.push_back(PageControl{std::move(sName), lLeft, lTop, lWidth, lHeight, model});
}

AutomationObject& PropertyPage::FirstSelected() const {
    if (selection_.empty()) Fail("no control is selected");
    return Require(selection_.front(), "the selected control");
}

Variant PropertyPage::Read(std::string_view sProperty) const {
    return Unwrap(FirstSelected().Get(sProperty));
}

void PropertyPage::Write(std::string_view sProperty, const Variant& value) const {
    Unwrap(FirstSelected().Put(sProperty, value));
}

void PropertyPage::WriteRef(std::string_view sProperty, const Variant& value) const {
    Unwrap(FirstSelected().PutRef(sProperty, value));
}

void PropertyPage::LoadTexts(std::initializer_list<TextBinding> bindings) const {
    for (const TextBinding& b : bindings)
        Step([&] { b.box.Text(Unwrap(conversion::ToText(Read(b.sProperty)))); });
}

void PropertyPage::ApplyTexts(std::initializer_list<TextBinding> bindings) const {
    for (const TextBinding& b : bindings) Step([&] { Write(b.sProperty, b.box.Text()); });
}

void PropertyPage::MarkChangedOnEdit(TextBox& box) {
    box.OnChange([this] { Changed(true); });
}

}  // namespace tavrel
