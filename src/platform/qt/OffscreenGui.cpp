#include "platform/qt/OffscreenGui.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QtGlobal>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace tavrel::qt {

namespace {
// The platform has to be chosen before the application object exists.
int& ChooseOffscreen(int& argc) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    PrepareRuntimeDir();
    return argc;
}

}  // namespace

void PrepareRuntimeDir() {
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        // Qt wants a private runtime folder and complains on every start without one.
        const auto dir = std::filesystem::temp_directory_path() /
                         ("tavrel-runtime-" + std::to_string(::getuid()));
        std::error_code ignored;
        std::filesystem::create_directories(dir, ignored);
        std::filesystem::permissions(dir, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::replace, ignored);
        qputenv("XDG_RUNTIME_DIR", dir.string().c_str());
    }
}

struct OffscreenGui::Impl {
    Impl(int& argc, char** argv) : app(ChooseOffscreen(argc), argv) {}
    QApplication app;
};

OffscreenGui::OffscreenGui(int& argc, char** argv) : impl_(std::make_unique<Impl>(argc, argv)) {}

OffscreenGui::~OffscreenGui() = default;

bool ProcessEventsUntil(const std::function<bool()>& done, int timeoutMs) {
    if (done()) return true;
    QElapsedTimer elapsed;
    elapsed.start();
    QEventLoop loop;
    QTimer check;
    check.setInterval(2);
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done() || elapsed.elapsed() >= timeoutMs) loop.quit();
    });
    check.start();
    loop.exec();
    return done();
}

void ProcessEventsFor(int ms) {
    ProcessEventsUntil([] { return false; }, ms);
}

}  // namespace tavrel::qt
