#include "control/DownloadTag.h"

#include <cctype>

namespace tavrel {

namespace {

// The leading decimal digits of a text, as far as they fit in 32 bits.
int32_t LeadingNumber(const std::string& sText) {
    int64_t value = 0;
    for (const char c : sText) {
        if (!std::isdigit(static_cast<unsigned char>(c))) break;
        value = value * 10 + (c - '0');
        if (value > INT32_MAX) return 0;
    }
    return static_cast<int32_t>(value);
}

}  // namespace

std::string MakeDownloadTag(int32_t lMenu, int32_t lItem) {
    return std::to_string(lMenu) + std::to_string(lItem);
}

DownloadAddress DecodeDownloadTag(const std::string& sTag) {
    if (sTag.empty()) return {};
    return DownloadAddress{LeadingNumber(sTag.substr(0, 1)), LeadingNumber(sTag.substr(1))};
}

}  // namespace tavrel
