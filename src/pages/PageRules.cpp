#include "pages/PageRules.h"

#include <string>

#include "platform/Failure.h"
#include "platform/Variant.h"

namespace tavrel::pages {

void SetUpSpinner(Spinner& spinner, int32_t lHighestNumber) {
    spinner.Min(-lHighestNumber);
    spinner.Max(-1);
    spinner.Value(-1);
}

int16_t NegatedNumber(const TextBox& box) {
    const double number = Unwrap(conversion::ToDouble(box.Text()));
    return Unwrap(conversion::ToInt16(Variant(-number)));
}

void ShowNegated(TextBox& box, const Spinner& spinner) {
    box.Text(std::to_string(-int64_t{spinner.Value()}));
}

}  // namespace tavrel::pages
