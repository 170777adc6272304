#include "control/TavrelAutomation.h"

#include "control/Automation.h"

namespace tavrel {

ErrorOr<Variant> TavrelAutomation::Get(std::string_view sName) {
    return GetProperty(current_(), sName);
}

ErrorOr<void> TavrelAutomation::Put(std::string_view sName, const Variant& value) {
    return PutProperty(current_(), sName, value);
}

ErrorOr<void> TavrelAutomation::PutRef(std::string_view sName, const Variant& value) {
    return PutProperty(current_(), sName, value);
}

}  // namespace tavrel
