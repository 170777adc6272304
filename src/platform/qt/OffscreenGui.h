#pragma once

#include <functional>
#include <memory>

namespace tavrel::qt {

// The Qt application object that fonts, pictures and widgets need, on the offscreen platform, so
// that tests and tools render real pixels without a display. One per process.
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

// Gives Qt the private runtime folder it wants, when the environment names none.
void PrepareRuntimeDir();

// Runs the event loop until `done` answers true or `timeoutMs` have passed; true when done.
bool ProcessEventsUntil(const std::function<bool()>& done, int timeoutMs);
// Runs the event loop for about `ms` milliseconds.
void ProcessEventsFor(int ms);

}  // namespace tavrel::qt
