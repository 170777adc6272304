// Settings text of any kind, loaded up to a control that paints and saves itself again.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzGui.h"
#include "control/Tavrel.h"
#include "platform/NullHost.h"
#include "platform/qt/QtSurfaces.h"
#include "platform/qt/SettingsFile.h"

using namespace tavrel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto settings =
        qt::SettingsFile::FromText(std::string(reinterpret_cast<const char*>(data), size), "input");
    if (settings.IsError()) return 0;
    NullHost host;
    TavrelEvents events;
    Tavrel control(host, events, qt::MakeSurface(120, 300), qt::MakeSurface(120, 69));
    control.OnCreate();
    control.LoadSettings(settings.Value());
    control.OnResize();
    control.OnPaint();
    qt::SettingsFile again;
    control.SaveSettings(again);
    control.OnDestroy();
    return 0;
}
