#include "platform/Surface.h"

#include <algorithm>
#include <cassert>
#include <climits>
#include <cmath>

#include "platform/Checked.h"
#include "platform/Failure.h"
#include "platform/Raster.h"
#include "platform/Rounding.h"

namespace tavrel {

namespace {

void CheckSize(int32_t width, int32_t height) {
    if (width < 0 || height < 0) Fail("a surface size cannot be negative");
    if (width > kMaxSurfaceSide || height > kMaxSurfaceSide ||
        int64_t{width} * height > kMaxSurfacePixels)
        Fail("surface size too large");
}

int64_t CountLines(std::string_view sText) {
    return 1 + std::count(sText.begin(), sText.end(), '\n');
}

}  // namespace

Surface::Surface(std::unique_ptr<Canvas> canvas) : canvas_(std::move(canvas)), dc_(*canvas_) {
    assert(canvas_ != nullptr && "a surface always draws on a canvas");
    canvas_->SetFont(font_);
    lWidth_ = canvas_->PixelWidth();
    lHeight_ = canvas_->PixelHeight();
}

Surface::~Surface() = default;

void Surface::Width(int32_t lNewValue) {
    Move(lLeft_, lTop_, lNewValue, Height());
}
void Surface::Height(int32_t lNewValue) {
    Move(lLeft_, lTop_, Width(), lNewValue);
}

void Surface::Move(int32_t lLeft, int32_t lTop, int32_t lWidth, int32_t lHeight) {
    CheckSize(lWidth, lHeight);
    lLeft_ = lLeft;
    lTop_ = lTop;
    if (lWidth == lWidth_ && lHeight == lHeight_) return;
    if (!bKeepHidden_) {
        canvas_->Resize(lWidth, lHeight, PixelOf(backColor_));
    } else if (lWidth > canvas_->PixelWidth() || lHeight > canvas_->PixelHeight()) {
        canvas_->Resize(std::max(lWidth, canvas_->PixelWidth()),
                        std::max(lHeight, canvas_->PixelHeight()), PixelOf(backColor_));
    }
    lWidth_ = lWidth;
    lHeight_ = lHeight;
    if (onResize_) onResize_();
}

double Surface::ScaleWidth() const {
    return FromPixels(Width());
}
double Surface::ScaleHeight() const {
    return FromPixels(Height());
}

void Surface::BackColor(Color newValue) {
    ResolveColor(newValue);
    backColor_ = newValue;
}

void Surface::ForeColor(Color newValue) {
    ResolveColor(newValue);
    foreColor_ = newValue;
}

void Surface::Font(const FontSpec& newValue) {
    font_ = newValue;
    canvas_->SetFont(font_);
}

void Surface::Cls() {
    raster::FillRect(*canvas_, raster::Bounds(*canvas_), PixelOf(backColor_), dc_.ClipBox());
    dCurrentX_ = 0;
    dCurrentY_ = 0;
}

double Surface::TextWidth(std::string_view sText) const {
    // Each line is measured on its own; the widest counts.
    int32_t widest = 0;
    size_t start = 0;
    while (true) {
        const size_t end = sText.find('\n', start);
        widest = std::max(widest, canvas_->TextWidth(sText.substr(start, end - start)));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return FromPixels(widest);
}

double Surface::TextHeight(std::string_view sText) const {
    return FromPixels(canvas_->LineHeight() * CountLines(sText));
}

void Surface::Print(std::string_view sText) {
    const uint32_t pixel = PixelOf(foreColor_);
    const Rect clip = dc_.ClipBox();
    int32_t y = ToPixels(dCurrentY_);
    const int32_t x = ToPixels(dCurrentX_);
    size_t start = 0;
    while (true) {
        const size_t end = sText.find('\n', start);
        if (!clip.IsEmpty()) canvas_->DrawText(x, y, sText.substr(start, end - start), pixel, clip);
        y += canvas_->LineHeight();
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    dCurrentX_ = 0;
    dCurrentY_ += TextHeight(sText);
}

void Surface::Line(double x1, double y1, double x2, double y2, Color color) {
    raster::Line(*canvas_, ToPixels(x1), ToPixels(y1), ToPixels(x2), ToPixels(y2), PixelOf(color),
                 dc_.ClipBox());
}

void Surface::Box(double x1, double y1, double x2, double y2, Color color, BoxFill fill) {
    const uint32_t pixel = PixelOf(color);
    const int32_t l = std::min(ToPixels(x1), ToPixels(x2));
    const int32_t r = std::max(ToPixels(x1), ToPixels(x2));
    const int32_t t = std::min(ToPixels(y1), ToPixels(y2));
    const int32_t b = std::max(ToPixels(y1), ToPixels(y2));
    const Rect clip = dc_.ClipBox();
    // Corners are included, so the edges run to r and b inclusive; 64-bit sums avoid overflow.
    const auto rect = [](int64_t left, int64_t top, int64_t right, int64_t bottom) {
        const auto clamp = [](int64_t v) {
            return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
        };
        return Rect{clamp(left), clamp(top), clamp(right), clamp(bottom)};
    };
    if (fill == BoxFill::Filled) {
        raster::FillRect(*canvas_, rect(l, t, int64_t{r} + 1, int64_t{b} + 1), pixel, clip);
        return;
    }
    raster::FillRect(*canvas_, rect(l, t, int64_t{r} + 1, int64_t{t} + 1), pixel, clip);
    raster::FillRect(*canvas_, rect(l, b, int64_t{r} + 1, int64_t{b} + 1), pixel, clip);
    raster::FillRect(*canvas_, rect(l, t, int64_t{l} + 1, int64_t{b} + 1), pixel, clip);
    raster::FillRect(*canvas_, rect(r, t, int64_t{r} + 1, int64_t{b} + 1), pixel, clip);
}

void Surface::PaintPicture(const Picture& picture, double x, double y, double width,
                           double height) {
    const PixelImage& image = Require(picture.Image(), "picture");
    const int32_t l = ToPixels(x), t = ToPixels(y);
    const Rect target{l, t, checked::Add(l, ToPixels(width)), checked::Add(t, ToPixels(height))};
    const Rect clip = dc_.ClipBox();
    if (target.IsEmpty() || Intersect(target, clip).IsEmpty()) return;
    canvas_->DrawPicture(image, target, clip);
}

std::optional<Color> Surface::Point(double x, double y) const {
    const int32_t px = ToPixels(x), py = ToPixels(y);
    if (px < 0 || py < 0 || px >= Width() || py >= Height()) return std::nullopt;
    return FromPixel(canvas_->ScanLine(py)[px]);
}

void Surface::PresentFrame() {
    ++lFramesPresented_;
    if (presenter_) presenter_();
}

int32_t Surface::ToPixels(double v) const {
    return scaleMode_ == ScaleUnit::Twips ? RoundHalfEven(v / kTwipsPerPixel) : RoundHalfEven(v);
}

double Surface::FromPixels(int64_t v) const {
    return scaleMode_ == ScaleUnit::Twips ? static_cast<double>(v) * kTwipsPerPixel
                                          : static_cast<double>(v);
}

uint32_t Surface::PixelOf(Color color) const {
    return ToPixel(ResolveColor(color));
}

}  // namespace tavrel
