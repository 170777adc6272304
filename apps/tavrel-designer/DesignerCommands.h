#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "apps/common/ScriptRunner.h"
#include "platform/FileDialog.h"

namespace tavrel::apps {

class DesignerWindow;

// The file dialog of a script: it answers what the script's `browse` said.
class ScriptedFileDialog final : public FileDialog {
public:
    ErrorOr<std::string> GetOpenFileName(const OpenFileRequest& request) override;

    std::optional<std::string> answer;  // none: cancelled
};

// The designer's own commands of the tour language: the property sheet (sheet, page, type, spin,
// browse, show, changed, apply, ok, cancel, sheetshot), and new, load and save with the
// designer's rules for its file.
ScriptRunner::Extension DesignerCommands(DesignerWindow& designer, ScriptedFileDialog& dialog,
                                         std::ostream& out);

}  // namespace tavrel::apps
