#pragma once

#include "control/Tavrel.h"
#include "platform/NullHost.h"
#include "platform/PropertyBag.h"
#include "platform/qt/QtSurfaces.h"

// A control on a quiet host, made as a form makes one: created, given saved settings (or its
// defaults without) and sized; destroyed at the end.
struct FuzzControl {
    explicit FuzzControl(tavrel::PropertyBag* settings = nullptr) {
        control.OnCreate();
        if (settings)
            control.LoadSettings(*settings);
        else
            control.InitDefaults();
        control.OnResize();
    }
    ~FuzzControl() { control.OnDestroy(); }

    tavrel::NullHost host;
    tavrel::TavrelEvents events;
    tavrel::Tavrel control{host, events, tavrel::qt::MakeSurface(120, 300),
                           tavrel::qt::MakeSurface(120, 69)};
};
