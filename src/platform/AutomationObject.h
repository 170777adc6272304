#pragma once

#include <string_view>

#include "platform/Failure.h"
#include "platform/Variant.h"

namespace tavrel {

// An object whose properties are read and written by name, as a host reaches a control it knows
// nothing else of. The object converts what it is given; a value it cannot take, or refuses, is a
// Failure.
class AutomationObject {
public:
    virtual ~AutomationObject() = default;
    virtual ErrorOr<Variant> Get(std::string_view sName) = 0;
    virtual ErrorOr<void> Put(std::string_view sName, const Variant& value) = 0;
    // Hands the object the value itself (a picture object) instead of a copy of its content.
    virtual ErrorOr<void> PutRef(std::string_view sName, const Variant& value) = 0;
};

}  // namespace tavrel
