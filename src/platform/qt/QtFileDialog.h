#pragma once

#include <QFileDialog>
#include <memory>

#include "platform/FileDialog.h"

namespace tavrel::qt {

// The open-file dialog as Qt's own file dialog, the same on every desktop: the request's title
// and filters (matched in any case), no owner, and a choice accepted only as the request allows.
class QtFileDialog final : public FileDialog {
public:
    ErrorOr<std::string> GetOpenFileName(const OpenFileRequest& request) override;

    // The dialog set up for the request, not shown yet.
    static std::unique_ptr<QFileDialog> Prepare(const OpenFileRequest& request);
};

}  // namespace tavrel::qt
