#pragma once

namespace tavrel {
class Tavrel;
}

namespace tavrel::apps {

// The viewer's built-in demo: four menus with icons of our own drawing, one of them with more
// items than fit, so that its arrows show. Set through the control's properties, as an
// application would.
void ApplyDemo(Tavrel& control);

}  // namespace tavrel::apps
