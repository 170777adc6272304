#pragma once

#include <cstdint>

#include "platform/DialogModels.h"

namespace tavrel::pages {

// Every page has the same size.
inline constexpr int32_t kPageWidth = 5235;   // twips
inline constexpr int32_t kPageHeight = 2685;  // twips
inline constexpr int32_t kSpinnerWidth = 195;
inline constexpr int32_t kSpinnerHeight = 390;

// A spinner's position is the negated number it stands for, so that its upper arrow, which
// lowers a scroll bar's position, raises the number. Min is the upper end, Max the lower end; the
// spinner starts at the number 1.
void SetUpSpinner(Spinner& spinner, int32_t lHighestNumber);

// The number in the box, negated and rounded to a 16-bit integer, ties to even: the spinner
// position standing for it. Text that is no number, or too large a one, is a failing step.
int16_t NegatedNumber(const TextBox& box);

// The box shows the number the spinner stands for.
void ShowNegated(TextBox& box, const Spinner& spinner);

}  // namespace tavrel::pages
