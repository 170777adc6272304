#pragma once

#include <optional>
#include <string>

#include "platform/FileDialog.h"

namespace tavrel::testing {

// The file dialog's answer, chosen by the test: a path, or cancelled when there is none. It
// remembers what it was asked.
class AnsweringFileDialog : public FileDialog {
public:
    ErrorOr<std::string> GetOpenFileName(const OpenFileRequest& request) override {
        ++calls;
        asked = request;
        if (!answer) return Failure{"cancelled"};
        return *answer;
    }

    std::optional<std::string> answer;
    OpenFileRequest asked;
    int calls = 0;
};

}  // namespace tavrel::testing
