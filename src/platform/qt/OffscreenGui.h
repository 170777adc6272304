#pragma once

#include <memory>

namespace tavrel::qt {

// The Qt application object that fonts and pictures need, on the offscreen platform, so that
// tests and tools render real pixels without a display. One per process.
class OffscreenGui {
  public:
    OffscreenGui(int& argc, char** argv);
    ~OffscreenGui();
    OffscreenGui(const OffscreenGui&) = delete;
    OffscreenGui& operator=(const OffscreenGui&) = delete;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace tavrel::qt
