#include "platform/FileDialog.h"

#include <cctype>
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

std::string AnyCasePattern(const std::string& sPattern) {
    std::string out;
    for (const char c : sPattern) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalpha(u)) {
            out += '[';
            out += static_cast<char>(std::tolower(u));
            out += static_cast<char>(std::toupper(u));
            out += ']';
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace tavrel
