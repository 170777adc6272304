#pragma once

#include <cstdint>
#include <memory>

#include "platform/DeviceContext.h"
#include "platform/GdiConstants.h"
#include "platform/Rect.h"

// The GDI and USER32 calls the bar makes, on our own device contexts. Like their namesakes they
// answer failure (a null handle, an unknown code) with a return value, not an exception.
namespace tavrel {

// Only SRCCOPY is supported. Clipped to both surfaces and to the destination's clip region;
// zero or negative sizes copy nothing.
bool BitBlt(HDC hdcDest, int32_t x, int32_t y, int32_t cx, int32_t cy, HDC hdcSrc, int32_t x1,
            int32_t y1, uint32_t rop);

// Classic one-pixel 3D edges. The outer edge lies on the rectangle's border and the inner edge
// one pixel inside it; an edge drawn alone lies on the border. Bottom and right lines own the
// corners they share with top and left lines.
bool DrawEdge(HDC hdc, const Rect& rc, uint32_t edge, uint32_t grfFlags);

// DFC_SCROLL only: a scroll-bar arrow button, raised or pushed.
bool DrawFrameControl(HDC hdc, const Rect& rc, uint32_t uType, uint32_t uState);

bool PtInRect(const Rect& rc, int32_t x, int32_t y);

int32_t SaveDC(HDC hdc);  // 0 on failure
bool RestoreDC(HDC hdc, int32_t nSavedDC);

struct Region {
    Rect rc;
};
using HRGN = std::shared_ptr<const Region>;
HRGN CreateRectRgnIndirect(const Rect& rc);
// Selects a copy of the region as the clip region; a null region removes the clip.
int32_t SelectClipRgn(HDC hdc, const HRGN& hrgn);
bool DeleteObject(HRGN& hrgn);

// Saves the device state for the lifetime of a scope, so that a clip region selected inside it
// never outlives it, whatever happens in between.
class SavedDeviceState {
public:
    explicit SavedDeviceState(HDC hdc) : hdc_(hdc), level_(SaveDC(hdc)) {}
    ~SavedDeviceState() { RestoreDC(hdc_, level_); }
    SavedDeviceState(const SavedDeviceState&) = delete;
    SavedDeviceState& operator=(const SavedDeviceState&) = delete;

private:
    HDC hdc_;
    int32_t level_;
};

}  // namespace tavrel
