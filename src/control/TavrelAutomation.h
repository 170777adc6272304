#pragma once

#include "platform/AutomationObject.h"

namespace tavrel {

class Tavrel;

// The control as an object reached by name: what a host's property pages see of it.
class TavrelAutomation final : public AutomationObject {
public:
    explicit TavrelAutomation(Tavrel& control) : control_(control) {}
    ErrorOr<Variant> Get(std::string_view sName) override;
    ErrorOr<void> Put(std::string_view sName, const Variant& value) override;
    // The control's pictures are shared objects already, so it keeps the very picture it is
    // handed either way.
    ErrorOr<void> PutRef(std::string_view sName, const Variant& value) override;

private:
    Tavrel& control_;
};

}  // namespace tavrel
