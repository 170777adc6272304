#include "platform/DialogModels.h"

#include <algorithm>

namespace tavrel {

void TextBox::Text(std::string sNewValue) {
    if (lMaxLength_ > 0 && sNewValue.size() > static_cast<size_t>(lMaxLength_)) {
        size_t cut = static_cast<size_t>(lMaxLength_);
        // Never in the middle of a character.
        while (cut > 0 && (static_cast<unsigned char>(sNewValue[cut]) & 0xC0) == 0x80) --cut;
        sNewValue.resize(cut);
    }
    if (sNewValue == sText_) return;
    sText_ = std::move(sNewValue);
    if (onChange_) onChange_();
}

void TextBox::MaxLength(int32_t lNewValue) {
    lMaxLength_ = std::max(0, lNewValue);
}

void Spinner::Min(int32_t lNewValue) {
    lMin_ = lNewValue;
    Place(lValue_);
}

void Spinner::Max(int32_t lNewValue) {
    lMax_ = lNewValue;
    Place(lValue_);
}

void Spinner::Value(int32_t lNewValue) {
    Place(lNewValue);
}

void Spinner::UpArrow() {
    Place(int64_t{lValue_} + (lMin_ <= lMax_ ? -1 : 1));
}

void Spinner::DownArrow() {
    Place(int64_t{lValue_} + (lMin_ <= lMax_ ? 1 : -1));
}

void Spinner::Place(int64_t lWanted) {
    const int64_t low = std::min(lMin_, lMax_), high = std::max(lMin_, lMax_);
    const auto placed = static_cast<int32_t>(std::clamp(lWanted, low, high));
    if (placed == lValue_) return;
    lValue_ = placed;
    if (onChange_) onChange_();
}

}  // namespace tavrel
