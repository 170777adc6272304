#include <gtest/gtest.h>

#include "platform/qt/OffscreenGui.h"

// Every test program renders real pixels and real text, so it starts the offscreen GUI first.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    tavrel::qt::OffscreenGui gui(argc, argv);
    return RUN_ALL_TESTS();
}
