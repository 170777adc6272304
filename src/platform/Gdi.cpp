#include "platform/Gdi.h"

#include <algorithm>

#include "platform/Color.h"
#include "platform/Raster.h"

namespace tavrel {

namespace {

uint32_t Pixel(SystemColorIndex index) {
    return ToPixel(ResolveColor(SystemColor(index)));
}

// One ring of one-pixel lines on the flagged sides of `rc`, then `rc` shrunk by those sides.
void DrawRing(Canvas& canvas, Rect& rc, uint32_t grfFlags, uint32_t topLeft, uint32_t bottomRight,
              const Rect& clip) {
    if (rc.IsEmpty()) return;
    // Top and left go first so that bottom and right, drawn over them, own the shared corners.
    if (grfFlags & BF_TOP)
        raster::FillRect(canvas, {rc.left, rc.top, rc.right, rc.top + 1}, topLeft, clip);
    if (grfFlags & BF_LEFT)
        raster::FillRect(canvas, {rc.left, rc.top, rc.left + 1, rc.bottom}, topLeft, clip);
    if (grfFlags & BF_BOTTOM)
        raster::FillRect(canvas, {rc.left, rc.bottom - 1, rc.right, rc.bottom}, bottomRight, clip);
    if (grfFlags & BF_RIGHT)
        raster::FillRect(canvas, {rc.right - 1, rc.top, rc.right, rc.bottom}, bottomRight, clip);
    if (grfFlags & BF_LEFT) ++rc.left;
    if (grfFlags & BF_TOP) ++rc.top;
    if (grfFlags & BF_RIGHT) --rc.right;
    if (grfFlags & BF_BOTTOM) --rc.bottom;
}

// A solid triangle pointing up or down, its apex row at the centre of `rc`, moved by `offset`.
void DrawArrowGlyph(Canvas& canvas, const Rect& rc, bool bUp, int32_t offset, uint32_t pixel,
                    const Rect& clip) {
    const int32_t side = static_cast<int32_t>(std::min(rc.Width(), rc.Height()));
    const int32_t rows = std::max(1, (side - 4) / 2);
    const int32_t cx = rc.left + static_cast<int32_t>((rc.Width() - 1) / 2) + offset;
    const int32_t top = rc.top + static_cast<int32_t>((rc.Height() - rows) / 2) + offset;
    for (int32_t i = 0; i < rows; ++i) {
        const int32_t half = bUp ? i : rows - 1 - i;
        raster::FillRect(canvas, {cx - half, top + i, cx + half + 1, top + i + 1}, pixel, clip);
    }
}

}  // namespace

bool BitBlt(HDC hdcDest, int32_t x, int32_t y, int32_t cx, int32_t cy, HDC hdcSrc, int32_t x1,
            int32_t y1, uint32_t rop) {
    if (hdcDest == nullptr || hdcSrc == nullptr || rop != SRCCOPY) return false;
    raster::Copy(hdcDest->Pixels(), x, y, cx, cy, hdcSrc->Pixels(), x1, y1, hdcDest->ClipBox());
    return true;
}

bool DrawEdge(HDC hdc, const Rect& rc, uint32_t edge, uint32_t grfFlags) {
    if (hdc == nullptr) return false;
    Canvas& canvas = hdc->Pixels();
    const Rect clip = hdc->ClipBox();
    const bool bSoft = (grfFlags & BF_SOFT) != 0;
    Rect inside = rc;
    if (edge & BDR_RAISEDOUTER) {
        DrawRing(canvas, inside, grfFlags,
                 Pixel(bSoft ? SystemColorIndex::ButtonHighlight : SystemColorIndex::Light3D),
                 Pixel(SystemColorIndex::DarkShadow3D), clip);
    } else if (edge & BDR_SUNKENOUTER) {
        DrawRing(canvas, inside, grfFlags,
                 Pixel(bSoft ? SystemColorIndex::DarkShadow3D : SystemColorIndex::ButtonShadow),
                 Pixel(SystemColorIndex::ButtonHighlight), clip);
    }
    if (edge & BDR_RAISEDINNER) {
        DrawRing(canvas, inside, grfFlags,
                 Pixel(bSoft ? SystemColorIndex::Light3D : SystemColorIndex::ButtonHighlight),
                 Pixel(SystemColorIndex::ButtonShadow), clip);
    } else if (edge & BDR_SUNKENINNER) {
        DrawRing(canvas, inside, grfFlags,
                 Pixel(bSoft ? SystemColorIndex::ButtonShadow : SystemColorIndex::DarkShadow3D),
                 Pixel(SystemColorIndex::Light3D), clip);
    }
    if (grfFlags & BF_MIDDLE)
        raster::FillRect(canvas, inside, Pixel(SystemColorIndex::ButtonFace), clip);
    return true;
}

bool DrawFrameControl(HDC hdc, const Rect& rc, uint32_t uType, uint32_t uState) {
    if (hdc == nullptr || uType != DFC_SCROLL) return false;
    const uint32_t direction = uState & 0xFF;
    if (direction != DFCS_SCROLLUP && direction != DFCS_SCROLLDOWN) return false;
    Canvas& canvas = hdc->Pixels();
    const Rect clip = hdc->ClipBox();
    int32_t offset = 0;
    if (uState & DFCS_PUSHED) {
        Rect face = rc;
        DrawRing(canvas, face, BF_RECT, Pixel(SystemColorIndex::ButtonShadow),
                 Pixel(SystemColorIndex::ButtonShadow), clip);
        raster::FillRect(canvas, face, Pixel(SystemColorIndex::ButtonFace), clip);
        offset = 1;
    } else {
        DrawEdge(hdc, rc, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    }
    DrawArrowGlyph(canvas, rc, direction == DFCS_SCROLLUP, offset, ToPixel(kBlack), clip);
    return true;
}

bool PtInRect(const Rect& rc, int32_t x, int32_t y) {
    return x >= rc.left && x < rc.right && y >= rc.top && y < rc.bottom;
}

int32_t SaveDC(HDC hdc) {
    return hdc == nullptr ? 0 : hdc->Save();
}

bool RestoreDC(HDC hdc, int32_t nSavedDC) {
    return hdc != nullptr && hdc->Restore(nSavedDC);
}

HRGN CreateRectRgnIndirect(const Rect& rc) {
    return std::make_shared<const Region>(Region{rc});
}

int32_t SelectClipRgn(HDC hdc, const HRGN& hrgn) {
    if (hdc == nullptr) return RGN_ERROR;
    if (hrgn == nullptr) {
        hdc->SelectClip(std::nullopt);
        return SIMPLEREGION;
    }
    hdc->SelectClip(hrgn->rc);
    return hrgn->rc.IsEmpty() ? NULLREGION : SIMPLEREGION;
}

bool DeleteObject(HRGN& hrgn) {
    if (hrgn == nullptr) return false;
    hrgn.reset();
    return true;
}

}  // namespace tavrel
