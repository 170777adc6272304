#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/Canvas.h"
#include "platform/Color.h"
#include "platform/DeviceContext.h"
#include "platform/Picture.h"

namespace tavrel {

enum class ScaleUnit : int16_t { Twips = 1, Pixels = 3 };
enum class BoxFill { Outline, Filled };

constexpr int32_t kTwipsPerPixel = 15;
constexpr int32_t kMaxSurfaceSide = 16384;
constexpr int64_t kMaxSurfacePixels = int64_t{16384} * 4096;

// A picture box: a pixel surface that keeps what is drawn on it, with the properties and drawing
// methods the bar uses. Position and size are pixels of the container; the drawing methods,
// the text position and the inner size are in the surface's scale unit. Every drawing method
// stays inside the surface and inside the clip region selected on its device context.
class Surface {
public:
    explicit Surface(std::unique_ptr<Canvas> canvas);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    int32_t Left() const { return lLeft_; }
    void Left(int32_t lNewValue) { lLeft_ = lNewValue; }
    int32_t Top() const { return lTop_; }
    void Top(int32_t lNewValue) { lTop_ = lNewValue; }
    // The outer size; the surface has no border, so it is also the inner size in pixels.
    int32_t Width() const { return lWidth_; }
    void Width(int32_t lNewValue);
    int32_t Height() const { return lHeight_; }
    void Height(int32_t lNewValue);
    // A size that is negative or too large to allocate is a failing step.
    void Move(int32_t lLeft, int32_t lTop, int32_t lWidth, int32_t lHeight);

    ScaleUnit ScaleMode() const { return scaleMode_; }
    void ScaleMode(ScaleUnit newValue) { scaleMode_ = newValue; }
    double ScaleWidth() const;
    double ScaleHeight() const;

    Color BackColor() const { return backColor_; }
    void BackColor(Color newValue);  // an unknown system colour is a failing step
    Color ForeColor() const { return foreColor_; }
    void ForeColor(Color newValue);
    bool Visible() const { return bVisible_; }
    void Visible(bool bNewValue) { bVisible_ = bNewValue; }
    bool Enabled() const { return bEnabled_; }
    void Enabled(bool bNewValue) { bEnabled_ = bNewValue; }
    double CurrentX() const { return dCurrentX_; }
    void CurrentX(double dNewValue) { dCurrentX_ = dNewValue; }
    double CurrentY() const { return dCurrentY_; }
    void CurrentY(double dNewValue) { dCurrentY_ = dNewValue; }
    const FontSpec& Font() const { return font_; }
    void Font(const FontSpec& newValue);

    // Fills the surface with the background colour and moves the text position home.
    void Cls();
    double TextWidth(std::string_view sText) const;
    double TextHeight(std::string_view sText) const;
    // Prints at the text position in the font and the text colour, background not filled; the
    // text position then moves to the start of the next line.
    void Print(std::string_view sText);
    // A line without its end point.
    void Line(double x1, double y1, double x2, double y2, Color color);
    // A box with corners (x1, y1) and (x2, y2), both included.
    void Box(double x1, double y1, double x2, double y2, Color color, BoxFill fill);
    void PaintPicture(const Picture& picture, double x, double y, double width, double height);
    // The colour at a point, or none outside the surface.
    std::optional<Color> Point(double x, double y) const;

    // Never null while the surface exists.
    HDC hDC() { return &dc_; }
    const Canvas& Pixels() const { return *canvas_; }

    // A surface that keeps hidden pixels never gives up the pixels that a smaller size hides:
    // growing again shows them as they were. Copies may read them while they are hidden.
    void KeepHiddenPixels(bool bKeep) { bKeepHidden_ = bKeep; }

    // Called after every change of size.
    void SetResizeHandler(std::function<void()> handler) { onResize_ = std::move(handler); }

    // Whoever shows the surface learns here that a frame of an animation is complete.
    void SetFramePresenter(std::function<void()> presenter) { presenter_ = std::move(presenter); }
    void PresentFrame();
    int64_t FramesPresented() const { return lFramesPresented_; }

private:
    int32_t ToPixels(double v) const;
    double FromPixels(int64_t v) const;
    uint32_t PixelOf(Color color) const;

    std::unique_ptr<Canvas> canvas_;
    DeviceContext dc_;
    std::function<void()> onResize_;
    std::function<void()> presenter_;
    int32_t lLeft_ = 0;
    int32_t lTop_ = 0;
    int32_t lWidth_ = 0;
    int32_t lHeight_ = 0;
    bool bKeepHidden_ = false;
    ScaleUnit scaleMode_ = ScaleUnit::Pixels;
    Color backColor_ = SystemColor(SystemColorIndex::ButtonFace);
    Color foreColor_ = SystemColor(SystemColorIndex::ButtonText);
    bool bVisible_ = true;
    bool bEnabled_ = true;
    double dCurrentX_ = 0;
    double dCurrentY_ = 0;
    FontSpec font_;
    int64_t lFramesPresented_ = 0;
};

}  // namespace tavrel
