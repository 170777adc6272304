#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/Failure.h"
#include "platform/Variant.h"

namespace tavrel {

class Tavrel;

// The control's automation interface, declared once: the property pages, scripts and the docs
// all read this table. Names are matched without regard to case, as automation names are.
struct AutomationMember {
    enum class Kind { Property, Method };
    enum class Type { None, Int16, Int32, Bool, Text, Picture };

    const char* sName;
    int32_t lDispId;
    Kind kind;
    Type type;
    Variant (*get)(Tavrel&);                        // null for a method
    ErrorOr<void> (*put)(Tavrel&, const Variant&);  // converts the value; null for a method
    ErrorOr<void> (*call)(Tavrel&);                 // null for a property
    const char* sHelp;                              // empty when there is none
};

inline constexpr int32_t kDispIdAboutBox = -552;

// The 19 members of the interface, in their order.
std::span<const AutomationMember> TavrelMembers();
const AutomationMember* FindMember(std::string_view sName);

// Failures: "Member not found", "Property is write-only" and the like, and the conversions'
// "Type mismatch" and "Overflow".
ErrorOr<Variant> GetProperty(Tavrel& control, std::string_view sName);
ErrorOr<void> PutProperty(Tavrel& control, std::string_view sName, const Variant& value);
ErrorOr<void> CallMethod(Tavrel& control, std::string_view sName);

}  // namespace tavrel
