#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "platform/Failure.h"
#include "platform/Picture.h"

namespace tavrel {

// A value of any of the types the automation interface and the property pages pass around.
// std::monostate is the empty value.
using Variant = std::variant<std::monostate, bool, int16_t, int32_t, double, std::string, Picture>;

// The host's standard conversions. A value that cannot become the type asked for is a Failure
// "Type mismatch"; a number outside the type's range is a Failure "Overflow".
//
// Text to a number accepts surrounding spaces, a sign, decimal digits with a fraction (rounded
// half to even) and an exponent, and the prefixes "&H" (hexadecimal) and "&O" (octal). Booleans
// are -1 (True) and 0 (False) as numbers; any number other than 0 is True; the texts "True" and
// "False" (any case) are booleans.
namespace conversion {

inline constexpr const char* kTypeMismatch = "Type mismatch";
inline constexpr const char* kOverflow = "Overflow";

ErrorOr<double> ToDouble(const Variant& value);
ErrorOr<int32_t> ToInt32(const Variant& value);
ErrorOr<int16_t> ToInt16(const Variant& value);
ErrorOr<bool> ToBool(const Variant& value);
ErrorOr<std::string> ToText(const Variant& value);
ErrorOr<Picture> ToPicture(const Variant& value);

}  // namespace conversion
}  // namespace tavrel
