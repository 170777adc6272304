#include "pages/Global.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrel::pages {

namespace {
constexpr int32_t kMaxFile = 1000;

// A dialog that hands back its whole buffer leaves the path before the first NUL.
std::string BeforeNul(const std::string& s) {
    return s.substr(0, s.find('\0'));
}
}  // namespace

OpenFileRequest IconFileRequest() {
    OpenFileRequest request;
    request.sTitle = "Select Icon";
    request.filters = {{"Icon Files", "*.ICO"}};
    request.lFilterIndex = 0;
    request.bHasOwner = false;
    request.sInitialFile = std::string(kMaxFile, ' ');
    request.lMaxFile = kMaxFile;
    request.bPathMustExist = true;
    request.bHideReadOnly = true;
    return request;
}

std::string BrowseIconFile(FileDialog& dialog) {
    const ErrorOr<std::string> chosen = dialog.GetOpenFileName(IconFileRequest());
    return chosen.IsError() ? std::string() : BeforeNul(chosen.Value());
}

bool FileExists(const std::string& sPath) {
    const std::string path = BeforeNul(sPath);
    if (path.empty()) return false;
    // Without O_NONBLOCK a pipe would hold the page until someone writes to it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return false;
    struct stat info {};
    const bool bPlainFile = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    return bPlainFile;
}

}  // namespace tavrel::pages
