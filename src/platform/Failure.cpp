#include "platform/Failure.h"

namespace tavrel {

void Fail(const std::string& sReason) {
    throw StepFailure(sReason);
}

}  // namespace tavrel
