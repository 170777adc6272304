#include "platform/Color.h"

#include <string>

#include "platform/Failure.h"

namespace tavrel {

Color ResolveColor(Color color) {
    if ((color & kSystemColorFlag) == 0) return color & 0x00FFFFFFu;
    switch (static_cast<SystemColorIndex>(color & ~kSystemColorFlag)) {
        case SystemColorIndex::ButtonFace:
            return 0x00C8D0D4;
        case SystemColorIndex::ButtonShadow:
            return 0x00808080;
        case SystemColorIndex::ButtonText:
            return 0x00000000;
        case SystemColorIndex::ButtonHighlight:
            return 0x00FFFFFF;
        case SystemColorIndex::DarkShadow3D:
            return 0x00404040;
        case SystemColorIndex::Light3D:
            return 0x00C8D0D4;
    }
    Fail("unknown system colour " + std::to_string(color & ~kSystemColorFlag));
}

}  // namespace tavrel
