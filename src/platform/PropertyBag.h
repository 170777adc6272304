#pragma once

#include <string_view>

#include "platform/Failure.h"
#include "platform/Variant.h"

namespace tavrel {

// The host's store of named values for one control instance. Every write and every read comes
// with a default: reading a key that is absent gives it back.
class PropertyBag {
public:
    virtual ~PropertyBag() = default;
    virtual ErrorOr<void> Write(std::string_view sKey, const Variant& value,
                                const Variant& vDefault) = 0;
    // A value that is stored but cannot be read (damaged) is a Failure.
    virtual ErrorOr<Variant> Read(std::string_view sKey, const Variant& vDefault) = 0;
};

}  // namespace tavrel
