#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Picture.h"
#include "platform/Rect.h"

namespace tavrel {

// The font a surface prints with. Sizes are points at 96 dots per inch.
struct FontSpec {
    std::string sName = "Tahoma";
    double dPoints = 8.25;
    bool bBold = false;
    bool operator==(const FontSpec&) const = default;
};

// What a toolkit must offer a surface: pixel rows to read and write, text in a font, and a picture
// scaled into a rectangle. Everything else a surface does is built on these in this layer.
// Coordinates are pixels; every drawing call is limited to `clip`, which the caller has already
// narrowed to the canvas.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual int32_t PixelWidth() const = 0;
    virtual int32_t PixelHeight() const = 0;
    // Row y, 0 <= y < PixelHeight(), of PixelWidth() pixels 0xAARRGGBB.
    virtual uint32_t* ScanLine(int32_t y) = 0;
    virtual const uint32_t* ScanLine(int32_t y) const = 0;
    // Copies `count` whole rows from row `from` to row `to` of this canvas, as if through a
    // temporary buffer; the caller has clipped both ranges to the canvas. A canvas may do this
    // without moving the pixels themselves, as long as every row then reads as it should.
    virtual void CopyRows(int32_t from, int32_t to, int32_t count);
    // Keeps the pixels of the area that stays; the newly exposed area gets `fillPixel`.
    virtual void Resize(int32_t width, int32_t height, uint32_t fillPixel) = 0;

    virtual void SetFont(const FontSpec& font) = 0;
    virtual int32_t TextWidth(std::string_view sText) const = 0;
    virtual int32_t LineHeight() const = 0;
    // Draws text with its top-left corner at (x, y), its background not filled.
    virtual void DrawText(int32_t x, int32_t y, std::string_view sText, uint32_t pixel,
                          const Rect& clip) = 0;
    // Draws the whole picture scaled smoothly into `target`; transparent pixels leave what was
    // under them.
    virtual void DrawPicture(const PixelImage& picture, const Rect& target, const Rect& clip) = 0;
};

}  // namespace tavrel
