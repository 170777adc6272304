#pragma once

#include "platform/qt/OffscreenGui.h"

// Every target draws real pixels and text, so it starts the offscreen GUI once. It is kept for
// the life of the process: Qt cannot be torn down from the exit handlers.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static tavrel::qt::OffscreenGui* gui = new tavrel::qt::OffscreenGui(*argc, *argv);
    (void)gui;
    return 0;
}
