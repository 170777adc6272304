#pragma once

#include <functional>

#include "platform/AutomationObject.h"

namespace tavrel {

class Tavrel;

// The control as an object reached by name: what a host's property pages see of it. A host that
// may replace its control gives the way to the current one instead, so that nobody is left
// holding the old one.
class TavrelAutomation final : public AutomationObject {
public:
    explicit TavrelAutomation(Tavrel& control)
        : current_([&control]() -> Tavrel& { return control; }) {}
    explicit TavrelAutomation(std::function<Tavrel&()> current) : current_(std::move(current)) {}
    ErrorOr<Variant> Get(std::string_view sName) override;
    ErrorOr<void> Put(std::string_view sName, const Variant& value) override;
    // The control's pictures are shared objects already, so it keeps the very picture it is
    // handed either way.
    ErrorOr<void> PutRef(std::string_view sName, const Variant& value) override;

private:
    std::function<Tavrel&()> current_;
};

}  // namespace tavrel
