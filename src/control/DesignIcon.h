#pragma once

#include "platform/Picture.h"

namespace tavrel {

// The control's own 32 x 32, 16-colour picture: a small navigation bar with a caption button at
// the top, two icons and a caption button at the bottom. It becomes the default icon of items.
Picture DesignIcon();

}  // namespace tavrel
