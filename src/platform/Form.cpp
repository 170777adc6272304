#include "platform/Form.h"

namespace tavrel {

Form::Form(std::string sCaption, int32_t lClientWidth, int32_t lClientHeight, Picture icon)
    : sCaption_(std::move(sCaption)),
      lClientWidth_(lClientWidth),
      lClientHeight_(lClientHeight),
      icon_(std::move(icon)) {}

DialogControl& Form::Add(DialogControl control) {
    controls_.push_back(std::move(control));
    return controls_.back();
}

DialogControl* Form::Find(const std::string& sName) {
    for (DialogControl& control : controls_)
        if (control.sName == sName) return &control;
    return nullptr;
}

const DialogControl* Form::Find(const std::string& sName) const {
    return const_cast<Form*>(this)->Find(sName);
}

}  // namespace tavrel
