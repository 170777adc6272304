#include "platform/qt/QtCanvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cassert>

#include "platform/qt/QtFonts.h"

namespace tavrel::qt {

namespace {

QString ToQString(std::string_view sText) {
    return QString::fromUtf8(sText.data(), static_cast<qsizetype>(sText.size()));
}

QRect ToQRect(const Rect& r) {
    return QRect(r.left, r.top, static_cast<int>(r.Width()), static_cast<int>(r.Height()));
}

class QtCanvas final : public Canvas {
public:
    QtCanvas(int32_t width, int32_t height, uint32_t fillPixel)
        : image_(width, height, QImage::Format_RGB32),
          font_(FontFor(FontSpec{})),
          metrics_(font_),
          cell_(CellMetricsFor(font_)) {
        image_.fill(fillPixel);
    }

    int32_t PixelWidth() const override { return image_.width(); }
    int32_t PixelHeight() const override { return image_.height(); }
    uint32_t* ScanLine(int32_t y) override {
        return reinterpret_cast<uint32_t*>(image_.scanLine(y));
    }
    const uint32_t* ScanLine(int32_t y) const override {
        return reinterpret_cast<const uint32_t*>(image_.constScanLine(y));
    }

    void Resize(int32_t width, int32_t height, uint32_t fillPixel) override {
        QImage resized(width, height, QImage::Format_RGB32);
        resized.fill(fillPixel);
        const int w = std::min(width, image_.width());
        for (int y = 0; y < std::min(height, image_.height()); ++y)
            std::copy_n(reinterpret_cast<const uint32_t*>(image_.constScanLine(y)), w,
                        reinterpret_cast<uint32_t*>(resized.scanLine(y)));
        image_ = std::move(resized);
    }

    void SetFont(const FontSpec& font) override {
        font_ = FontFor(font);
        metrics_ = QFontMetrics(font_);
        cell_ = CellMetricsFor(font_);
    }
    int32_t TextWidth(std::string_view sText) const override {
        return metrics_.horizontalAdvance(ToQString(sText));
    }
    int32_t LineHeight() const override { return cell_.height; }

    void DrawText(int32_t x, int32_t y, std::string_view sText, uint32_t pixel,
                  const Rect& clip) override {
        QPainter painter(&image_);
        painter.setClipRect(ToQRect(clip));
        painter.setFont(font_);
        painter.setPen(QColor::fromRgb(pixel));
        painter.drawText(QPoint(x, y + cell_.ascent), ToQString(sText));
    }

    void DrawPicture(const PixelImage& picture, const Rect& target, const Rect& clip) override {
        const QImage source(reinterpret_cast<const uchar*>(picture.argb.data()), picture.width,
                            picture.height, picture.width * 4, QImage::Format_ARGB32);
        QPainter painter(&image_);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setClipRect(ToQRect(clip));
        painter.drawImage(ToQRect(target), source);
    }

    const QImage& Image() const { return image_; }

private:
    QImage image_;
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
