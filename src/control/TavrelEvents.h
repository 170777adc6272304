#pragma once

#include <cstdint>

namespace tavrel {

// The control's events interface, in dispatch order (identifiers 1 to 13). Every parameter is
// passed by reference. Hosts may bind to all of them; the control raises only MenuItemClick.
class TavrelEvents {
public:
    virtual ~TavrelEvents() = default;
    virtual void Show() {}
    virtual void Resize() {}
    virtual void Hide() {}
    virtual void Click() {}
    virtual void DblClick() {}
    virtual void KeyDown(int16_t& /*KeyCode*/, int16_t& /*Shift*/) {}
    virtual void KeyPress(int16_t& /*KeyAscii*/) {}
    virtual void KeyUp(int16_t& /*KeyCode*/, int16_t& /*Shift*/) {}
    virtual void MouseDown(int16_t& /*Button*/, int16_t& /*Shift*/, float& /*X*/, float& /*Y*/) {}
    virtual void MouseMove(int16_t& /*Button*/, int16_t& /*Shift*/, float& /*X*/, float& /*Y*/) {}
    virtual void MouseUp(int16_t& /*Button*/, int16_t& /*Shift*/, float& /*X*/, float& /*Y*/) {}
    virtual void Paint() {}
    // An item was clicked. MenuNumber is the control's own current-menu number: assigning it
    // changes the control's current menu directly.
    virtual void MenuItemClick(int32_t& /*MenuNumber*/, int32_t& /*MenuItem*/) {}
};

}  // namespace tavrel
