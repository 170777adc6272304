// Tour scripts of any kind, run on the widget in the sandbox: no files, no downloads.
#include <QCoreApplication>
#include <cstddef>
#include <cstdint>
#include <sstream>

#include "FuzzGui.h"
#include "apps/common/ScriptRunner.h"
#include "platform/qt/TavrelWidget.h"

using namespace tavrel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    qt::TavrelWidget widget;
    widget.SetModalMessages(false);
    widget.SetDownloadsAllowed(false);
    widget.show();
    std::ostringstream out, err;
    apps::ScriptRunner runner(widget, out, err);
    runner.Sandbox(true);
    std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
    runner.Run(script, "input");
    // Controls a script replaced go when the event loop runs.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return 0;
}
