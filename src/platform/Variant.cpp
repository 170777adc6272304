#include "platform/Variant.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "platform/Text.h"

namespace tavrel::conversion {

namespace {

Failure Mismatch() {
    return Failure{kTypeMismatch};
}
Failure Overflow() {
    return Failure{kOverflow};
}

std::string_view Trim(std::string_view s) {
    const auto space = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && space(s.front())) s.remove_prefix(1);
    while (!s.empty() && space(s.back())) s.remove_suffix(1);
    return s;
}

// "&H" and "&O" numbers: up to 32 bits, read as a 32-bit pattern (so "&HFFFFFFFF" is -1).
ErrorOr<double> ParseRadix(std::string_view digits, int radix) {
    if (digits.empty()) return Mismatch();
    uint64_t value = 0;
    for (const char c : digits) {
        const int d = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                      : std::isxdigit(static_cast<unsigned char>(c))
                          ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                          : 99;
        if (d >= radix) return Mismatch();
        value = value * radix + d;
        if (value > 0xFFFFFFFFull) return Overflow();
    }
    return static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(value)));
}

// A decimal number: [sign] digits [. digits] [e [sign] digits], at least one digit.
ErrorOr<double> ParseDecimal(std::string_view s) {
    size_t i = 0;
    const auto digits = [&] {
        const size_t start = i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
        return i - start;
    };
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t mantissa = digits();
    if (i < s.size() && s[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) return Mismatch();
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        if (digits() == 0) return Mismatch();
    }
    if (i != s.size()) return Mismatch();
    const std::string text(s);
    return std::strtod(text.c_str(), nullptr);
}

ErrorOr<double> TextToNumber(std::string_view text) {
    const std::string_view s = Trim(text);
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h') return ParseRadix(s.substr(2), 16);
        if (s[1] == 'O' || s[1] == 'o') return ParseRadix(s.substr(2), 8);
        return Mismatch();
    }
    if (EqualsIgnoringCase(s, "True")) return -1.0;
    if (EqualsIgnoringCase(s, "False")) return 0.0;
    return ParseDecimal(s);
}

ErrorOr<double> ToNumber(const Variant& value) {
    struct Visitor {
        ErrorOr<double> operator()(std::monostate) const { return 0.0; }
        ErrorOr<double> operator()(bool b) const { return b ? -1.0 : 0.0; }
        ErrorOr<double> operator()(int16_t v) const { return static_cast<double>(v); }
        ErrorOr<double> operator()(int32_t v) const { return static_cast<double>(v); }
        ErrorOr<double> operator()(double v) const { return v; }
        ErrorOr<double> operator()(const std::string& s) const { return TextToNumber(s); }
        ErrorOr<double> operator()(const Picture&) const { return Mismatch(); }
    };
    return std::visit(Visitor{}, value);
}

template <class T>
ErrorOr<T> ToInteger(const Variant& value) {
    const ErrorOr<double> number = ToNumber(value);
    if (number.IsError()) return number.Error();
    const double rounded = std::nearbyint(number.Value());  // ties to even
    if (!(rounded >= std::numeric_limits<T>::min() && rounded <= std::numeric_limits<T>::max()))
        return Overflow();
    return static_cast<T>(rounded);
}

}  // namespace

ErrorOr<double> ToDouble(const Variant& value) {
    return ToNumber(value);
}
ErrorOr<int32_t> ToInt32(const Variant& value) {
    return ToInteger<int32_t>(value);
}
ErrorOr<int16_t> ToInt16(const Variant& value) {
    return ToInteger<int16_t>(value);
}

ErrorOr<bool> ToBool(const Variant& value) {
    if (const bool* b = std::get_if<bool>(&value)) return *b;
    const ErrorOr<double> number = ToNumber(value);
    if (number.IsError()) return number.Error();
    return number.Value() != 0;
}

ErrorOr<std::string> ToText(const Variant& value) {
    struct Visitor {
        ErrorOr<std::string> operator()(std::monostate) const { return std::string(); }
        ErrorOr<std::string> operator()(bool b) const { return std::string(b ? "True" : "False"); }
        ErrorOr<std::string> operator()(int16_t v) const { return std::to_string(v); }
        ErrorOr<std::string> operator()(int32_t v) const { return std::to_string(v); }
        ErrorOr<std::string> operator()(double v) const {
            char buffer[32];
            std::snprintf(buffer, sizeof buffer, "%.15g", v);
            return std::string(buffer);
        }
        ErrorOr<std::string> operator()(const std::string& s) const { return s; }
        ErrorOr<std::string> operator()(const Picture&) const { return Mismatch(); }
    };
    return std::visit(Visitor{}, value);
}

ErrorOr<Picture> ToPicture(const Variant& value) {
    if (const Picture* picture = std::get_if<Picture>(&value)) return *picture;
    if (std::holds_alternative<std::monostate>(value)) return Picture();
    return Mismatch();
}

}  // namespace tavrel::conversion
