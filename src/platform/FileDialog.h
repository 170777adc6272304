#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Failure.h"

namespace tavrel {

// What an open-file dialog is asked to show and to accept, as the system's file dialog record
// carries it.
struct OpenFileRequest {
    struct Filter {
        std::string sName;
        std::string sPattern;  // "*.ICO"; matched without regard to case
    };

    std::string sTitle;
    std::vector<Filter> filters;
    int32_t lFilterIndex = 0;  // 0 and 1 both name the first filter
    bool bHasOwner = false;    // without an owner the dialog stands on its own
    std::string sInitialDir;   // empty: the dialog's default folder
    std::string sInitialFile;  // shown as the file name; blanks show an empty name
    int32_t lMaxFile = 0;      // the longest path the dialog may return
    bool bPathMustExist = false;
    bool bFileMustExist = false;
    bool bHideReadOnly = false;
};

// The system's open-file dialog: the chosen path, or a Failure when the user cancelled or the
// dialog could not be shown.
class FileDialog {
public:
    virtual ~FileDialog() = default;
    virtual ErrorOr<std::string> GetOpenFileName(const OpenFileRequest& request) = 0;
};

// Whether the dialog may close with this path: its folder must exist when the request says so,
// and the file itself only when the request says so. An empty path or one longer than the
// request allows is never accepted.
bool AcceptsChoice(const OpenFileRequest& request, const std::string& sPath);

}  // namespace tavrel
