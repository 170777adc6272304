#pragma once

#include <cstdint>
#include <string>

#include "platform/Failure.h"

namespace tavrel::qt {

// Starts a program from a command line without a shell. "Start.exe TARGET" opens TARGET with the
// desktop's default handler (xdg-open); anything else names a program, as a path (Windows
// separators read as the platform's) or as words of which the first is the program. A Failure
// when it cannot be started.
ErrorOr<void> StartDetached(const std::string& sCommandLine, int16_t iWindowStyle);

}  // namespace tavrel::qt
