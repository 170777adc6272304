#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "control/Tavrel.h"
#include "platform/qt/QtSurfaces.h"
#include "support/RecordingHost.h"
#include "support/SurfaceTesting.h"

namespace tavrel::testing {

// A new control on a recording host, as a form creates one: OnCreate, InitDefaults, then the
// first resize, on a 120 x 300 pixel client area.
class ControlFixture : public ::testing::Test {
protected:
    void SetUp() override {
        host.onResize = [this] { control.OnResize(); };
        control.OnCreate();
        control.InitDefaults();
        control.OnResize();
        host.Clear();
    }
    void TearDown() override { control.OnDestroy(); }

    // A picture of one colour, `side` pixels square.
    static Picture Solid(int32_t side, uint32_t argb) {
        return Picture(
            PixelImage{side, side, std::vector<uint32_t>(static_cast<size_t>(side) * side, argb)});
    }
    // The cache slot of icon i (from 1): rows 68 + 32 (i - 1) on, columns 0 to 31.
    static Rect Slot(int32_t i) { return Rect{0, 68 + 32 * (i - 1), 32, 68 + 32 * i}; }

    RecordingHost host;
    RecordingEvents events;
    std::shared_ptr<Surface> picMenu = qt::MakeSurface(120, 300);
    std::shared_ptr<Surface> picCache = qt::MakeSurface(120, 69);
    Tavrel control{host, events, picMenu, picCache};
};

}  // namespace tavrel::testing
