#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/PropertyBag.h"

namespace tavrel::testing {

// A property bag in memory that records every write in order, and every key read.
class MemoryBag : public PropertyBag {
public:
    struct Written {
        std::string sKey;
        Variant value;
        Variant vDefault;
    };

    ErrorOr<void> Write(std::string_view sKey, const Variant& value,
                        const Variant& vDefault) override {
        writes.push_back({std::string(sKey), value, vDefault});
        values[std::string(sKey)] = value;
        return {};
    }
    ErrorOr<Variant> Read(std::string_view sKey, const Variant& vDefault) override {
        reads.emplace_back(sKey);
        const auto it = values.find(std::string(sKey));
        return it == values.end() ? vDefault : it->second;
    }

    std::vector<Written> writes;
    std::vector<std::string> reads;
    std::map<std::string, Variant> values;
};

}  // namespace tavrel::testing
