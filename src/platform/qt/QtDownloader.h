#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/Failure.h"
#include "platform/Picture.h"
#include "platform/PictureCodec.h"

namespace tavrel::qt {

// Fetches pictures without blocking the user-interface thread: http and https addresses, file
// addresses and local paths. A completion is delivered on that thread with its tag and location;
// a failed download (an HTTP error, a body over the size limit, a picture that cannot be read,
// a timeout) delivers nothing and reports one warning line that names the location and the
// reason. Any number of requests may be outstanding.
class QtDownloader {
public:
    using Completion = std::function<void(const std::string& sTag, const Picture& picture,
                                          const std::string& sTarget)>;
    using Warning = std::function<void(const std::string& sLine)>;

    static constexpr int64_t kDefaultMaxBytes = int64_t{16} * 1024 * 1024;
    static constexpr int kDefaultTimeoutMs = 30000;

    QtDownloader(const PictureCodec& codec, Completion completion, Warning warning);
    ~QtDownloader();
    QtDownloader(const QtDownloader&) = delete;
    QtDownloader& operator=(const QtDownloader&) = delete;

    // An empty or unusable location cannot be started: a Failure, and nothing outstanding.
    ErrorOr<void> Request(const std::string& sTarget, const std::string& sTag);
    int Outstanding() const;

    void SetMaxBytes(int64_t lMaxBytes);
    void SetTimeoutMs(int lTimeoutMs);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace tavrel::qt
