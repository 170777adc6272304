// Settings text of any kind, loaded up to a control that paints and saves itself again.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzControl.h"
#include "FuzzGui.h"
#include "platform/qt/SettingsFile.h"

using namespace tavrel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto settings =
        qt::SettingsFile::FromText(std::string(reinterpret_cast<const char*>(data), size), "input");
    if (settings.IsError()) return 0;
    FuzzControl fuzz(&settings.Value());
    fuzz.control.OnPaint();
    qt::SettingsFile again;
    fuzz.control.SaveSettings(again);
    return 0;
}
