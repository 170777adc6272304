#include "platform/qt/QtCanvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cassert>
#include <cstring>
#include <optional>
#include <vector>

#include "platform/qt/QtFonts.h"

namespace tavrel::qt {

namespace {

QString ToQString(std::string_view sText) {
    return QString::fromUtf8(sText.data(), static_cast<qsizetype>(sText.size()));
}

QRect ToQRect(const Rect& r) {
    return QRect(r.left, r.top, static_cast<int>(r.Width()), static_cast<int>(r.Height()));
}

// The pixels live in a pool of rows reached through a row table, so that copying whole rows
// within the canvas (every frame of a slide or a scroll) moves row references, not pixels: a band
// one row up is the table shifted by one and one row copied. Painting with QPainter, and showing
// the canvas, first puts the rows back in order in one contiguous image.
class QtCanvas final : public Canvas {
public:
    QtCanvas(int32_t width, int32_t height, uint32_t fillPixel)
        : font_(FontFor(FontSpec{})), metrics_(font_), cell_(CellMetricsFor(font_)) {
        Allocate(width, height, fillPixel);
    }

    int32_t PixelWidth() const override { return width_; }
    int32_t PixelHeight() const override { return height_; }
    uint32_t* ScanLine(int32_t y) override { return rows_[static_cast<size_t>(y)]; }
    const uint32_t* ScanLine(int32_t y) const override { return rows_[static_cast<size_t>(y)]; }

    void CopyRows(int32_t from, int32_t to, int32_t count) override {
        const int32_t shift = to - from;
        if (count <= 0 || shift == 0) return;
        const size_t bytes = static_cast<size_t>(width_) * sizeof(uint32_t);
        const int32_t distance = shift < 0 ? -shift : shift;
        if (distance >= count) {  // no overlap: the source rows stay, so their pixels are copied
            for (int32_t i = 0; i < count; ++i) std::memcpy(rows_[to + i], rows_[from + i], bytes);
            return;
        }
        // The rows overwritten outside the source range give their buffers to the rows of the
        // source range that the copy leaves in place, which get their own pixels copied back.
        uint32_t** rows = rows_.data();
        scratch_.assign(rows + (shift < 0 ? to : from + count),
                        rows + (shift < 0 ? from : to + count));
        if (shift < 0) {
            std::memmove(rows + to, rows + from, static_cast<size_t>(count) * sizeof(uint32_t*));
            for (int32_t j = 0; j < distance; ++j) {
                rows[to + count + j] = scratch_[static_cast<size_t>(j)];
                std::memcpy(rows[to + count + j], rows[to + count + j + shift], bytes);
            }
        } else {
            std::memmove(rows + to, rows + from, static_cast<size_t>(count) * sizeof(uint32_t*));
            for (int32_t j = 0; j < distance; ++j) {
                rows[from + j] = scratch_[static_cast<size_t>(j)];
                std::memcpy(rows[from + j], rows[from + j + shift], bytes);
            }
        }
        bOrdered_ = false;
    }

    ~QtCanvas() override { painter_.reset(); }

    void Resize(int32_t width, int32_t height, uint32_t fillPixel) override {
        painter_.reset();
        std::vector<uint32_t*> old = rows_;
        std::vector<uint32_t> oldPool = std::move(pool_);
        const int32_t oldWidth = width_, oldHeight = height_;
        Allocate(width, height, fillPixel);
        const size_t keep = static_cast<size_t>(std::min(width, oldWidth)) * sizeof(uint32_t);
        for (int32_t y = 0; y < std::min(height, oldHeight); ++y)
            std::memcpy(rows_[y], old[y], keep);
    }

    void SetFont(const FontSpec& font) override {
        font_ = FontFor(font);
        bPainterHasFont_ = false;
        long_ = LongText{};
        metrics_ = QFontMetrics(font_);
        cell_ = CellMetricsFor(font_);
    }
    int32_t TextWidth(std::string_view sText) const override {
        if (sText.size() <= kLongText) return metrics_.horizontalAdvance(ToQString(sText));
        return static_cast<int32_t>(std::min<int64_t>(Layout(sText).total, INT32_MAX));
    }
    int32_t LineHeight() const override { return cell_.height; }

    void DrawText(int32_t x, int32_t y, std::string_view sText, uint32_t pixel,
                  const Rect& clip) override {
        QPainter& painter = Painter();
        painter.setClipRect(ToQRect(clip));
        if (!bPainterHasFont_) {
            painter.setFont(font_);
            bPainterHasFont_ = true;
        }
        painter.setPen(QColor::fromRgb(pixel));
        if (sText.size() <= kLongText) {
            painter.drawText(QPoint(x, y + cell_.ascent), ToQString(sText));
            return;
        }
        // A very long text is laid out in pieces, and only the pieces that can reach the clip
        // are drawn: Qt's own measure of it overflows, and drawing it all would take seconds.
        const LongText& layout = Layout(sText);
        for (size_t i = 0; i < layout.pieces.size(); ++i) {
            const int64_t left = int64_t{x} + layout.offsets[i],
                          right = int64_t{x} + layout.offsets[i + 1];
            if (right < int64_t{clip.left} - kOverhang || left > int64_t{clip.right} + kOverhang)
                continue;
            const auto [start, length] = layout.pieces[i];
            painter.drawText(QPoint(static_cast<int>(left), y + cell_.ascent),
                             ToQString(sText.substr(start, length)));
        }
    }

    void DrawPicture(const PixelImage& picture, const Rect& target, const Rect& clip) override {
        const QImage source(reinterpret_cast<const uchar*>(picture.argb.data()), picture.width,
                            picture.height, picture.width * 4, QImage::Format_ARGB32);
        QPainter& painter = Painter();
        painter.setClipRect(ToQRect(clip));
        painter.drawImage(ToQRect(target), source);
    }

    // The pixels as one image, the rows put back in order first, with no painter on it.
    QImage& Image() const {
        painter_.reset();
        if (!bOrdered_) {
            // Into the spare pool, kept from the last time so that no fresh pages are touched.
            spare_.resize(pool_.size());
            const size_t w = static_cast<size_t>(width_);
            for (size_t y = 0; y < rows_.size(); ++y)
                std::memcpy(spare_.data() + y * w, rows_[y], w * 4);
            pool_.swap(spare_);
            Index();
        }
        return view_;
    }

private:
    static constexpr size_t kLongText = 2048;
    static constexpr size_t kPiece = 1024;
    static constexpr int64_t kOverhang = 32;

    // Pieces of a long text at whole characters, and where each starts; the last one laid out
    // is kept, since a caption is measured and drawn at every paint.
    struct LongText {
        size_t hash = 0;
        size_t size = 0;
        std::vector<std::pair<size_t, size_t>> pieces;
        std::vector<int64_t> offsets;  // pieces.size() + 1 entries
        int64_t total = 0;
    };
    const LongText& Layout(std::string_view sText) const {
        const size_t hash = std::hash<std::string_view>{}(sText);
        if (long_.size == sText.size() && long_.hash == hash && !long_.offsets.empty())
            return long_;
        long_ = LongText{hash, sText.size(), {}, {0}, 0};
        for (size_t start = 0; start < sText.size();) {
            size_t end = std::min(sText.size(), start + kPiece);
            while (end < sText.size() && end > start + 1 &&
                   (static_cast<unsigned char>(sText[end]) & 0xC0) == 0x80)
                --end;
            long_.pieces.emplace_back(start, end - start);
            long_.total += metrics_.horizontalAdvance(ToQString(sText.substr(start, end - start)));
            long_.offsets.push_back(long_.total);
            start = end;
        }
        return long_;
    }

    // One painter serves every caption and picture until the rows move or the image is shown:
    // the captions of a paint are many, and a painter is dear to set up.
    QPainter& Painter() {
        if (!bOrdered_) Image();
        if (!painter_) {
            painter_.emplace(&view_);
            bPainterHasFont_ = false;
            painter_->setRenderHint(QPainter::SmoothPixmapTransform);
        }
        return *painter_;
    }

    void Allocate(int32_t width, int32_t height, uint32_t fillPixel) {
        painter_.reset();
        width_ = width;
        height_ = height;
        pool_.assign(static_cast<size_t>(width) * static_cast<size_t>(height), fillPixel);
        Index();
        scratch_.reserve(static_cast<size_t>(height));
    }

    // Rows in order over the pool, and the image that views it.
    void Index() const {
        rows_.resize(static_cast<size_t>(height_));
        for (size_t y = 0; y < rows_.size(); ++y)
            rows_[y] = pool_.data() + y * static_cast<size_t>(width_);
        view_ = QImage(reinterpret_cast<uchar*>(pool_.data()), width_, height_, width_ * 4,
                       QImage::Format_RGB32);
        bOrdered_ = true;
    }

    int32_t width_ = 0;
    int32_t height_ = 0;
    mutable std::vector<uint32_t> pool_;
    mutable std::vector<uint32_t> spare_;
    mutable std::vector<uint32_t*> rows_;
    mutable QImage view_;
    mutable bool bOrdered_ = true;
    mutable std::optional<QPainter> painter_;
    bool bPainterHasFont_ = false;
    mutable LongText long_;
    std::vector<uint32_t*> scratch_;
    QFont font_;
    QFontMetrics metrics_;
    CellMetrics cell_;
};

}  // namespace

std::unique_ptr<Canvas> MakeCanvas(int32_t width, int32_t height, uint32_t fillPixel) {
    return std::make_unique<QtCanvas>(width, height, fillPixel);
}

const QImage& CanvasImage(const Canvas& canvas) {
    const auto* qtCanvas = dynamic_cast<const QtCanvas*>(&canvas);
    assert(qtCanvas != nullptr && "every surface of the Qt platform draws on a QtCanvas");
    return qtCanvas->Image();
}

}  // namespace tavrel::qt
