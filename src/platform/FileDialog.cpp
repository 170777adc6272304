#include "platform/FileDialog.h"

#include <filesystem>
#include <system_error>

namespace tavrel {

bool AcceptsChoice(const OpenFileRequest& request, const std::string& sPath) {
    if (sPath.empty()) return false;
    if (request.lMaxFile > 0 && sPath.size() >= static_cast<size_t>(request.lMaxFile)) return false;
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path path = fs::absolute(fs::path(sPath), error);
    if (error) return false;
    if (request.bFileMustExist) return fs::is_regular_file(path, error);
    if (fs::is_directory(path, error)) return false;  // a folder is opened, not chosen
    if (request.bPathMustExist) return fs::is_directory(path.parent_path(), error);
    return true;
}

}  // namespace tavrel
