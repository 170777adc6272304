#include "platform/qt/QtPictureCodec.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <cstdlib>
#include <cstring>

namespace tavrel::qt {

namespace {

// No picture of ours needs more; a file that claims more is refused before it is decoded.
constexpr int kAllocationLimitMiB = static_cast<int>(kMaxPicturePixels * 4 / (1024 * 1024));
constexpr int kMaxIconEntries = 64;
constexpr int kIconSide = 32;

Failure Refusal(const QString& sWhy) {
    return Failure{"cannot read picture: " + sWhy.toStdString()};
}

ErrorOr<PixelImage> ToPixels(const QImage& decoded) {
    if (!IsAcceptablePictureSize(decoded.width(), decoded.height()))
        return Refusal(QStringLiteral("size %1 x %2 is out of range")
                           .arg(decoded.width())
                           .arg(decoded.height()));
    const QImage argb = decoded.convertToFormat(QImage::Format_ARGB32);
    PixelImage image;
    image.width = argb.width();
    image.height = argb.height();
    image.argb.resize(static_cast<size_t>(image.width) * image.height);
    for (int y = 0; y < image.height; ++y)
        std::memcpy(image.argb.data() + static_cast<size_t>(y) * image.width, argb.constScanLine(y),
                    static_cast<size_t>(image.width) * 4);
    return image;
}

ErrorOr<Picture> Decode(QImageReader& reader) {
    QImageReader::setAllocationLimit(kAllocationLimitMiB);
    if (!reader.canRead()) return Refusal(reader.errorString());
    const bool bIcon = reader.format() == "ico";
    const QSize claimed = reader.size();
    if (claimed.isValid() && !IsAcceptablePictureSize(claimed.width(), claimed.height()))
        return Refusal(QStringLiteral("size %1 x %2 is out of range")
                           .arg(claimed.width())
                           .arg(claimed.height()));

    QImage best;
    const int entries = reader.imageCount();
    if (bIcon && entries > 1) {
        // The entry nearest to the bar's 32 x 32 icon size; on a tie the first.
        int bestScore = 0;
        for (int i = 0; i < std::min(entries, kMaxIconEntries); ++i) {
            if (!reader.jumpToImage(i)) break;
            const QImage entry = reader.read();
            if (entry.isNull()) continue;
            const int score =
                std::abs(entry.width() - kIconSide) + std::abs(entry.height() - kIconSide);
            if (best.isNull() || score < bestScore) {
                best = entry;
                bestScore = score;
            }
        }
    } else {
        best = reader.read();
    }
    if (best.isNull()) return Refusal(reader.errorString());
    ErrorOr<PixelImage> pixels = ToPixels(best);
    if (pixels.IsError()) return pixels.Error();
    return Picture(std::move(pixels).Value());
}

}  // namespace

ErrorOr<Picture> QtPictureCodec::FromFile(const std::string& sPath) const {
    QFile file(QString::fromStdString(sPath));
    if (!file.open(QIODevice::ReadOnly)) return Refusal(file.errorString());
    QImageReader reader(&file);
    return Decode(reader);
}

ErrorOr<Picture> QtPictureCodec::FromBytes(std::span<const uint8_t> bytes) const {
    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return Decode(reader);
}

ErrorOr<std::vector<uint8_t>> QtPictureCodec::ToPng(const Picture& picture) const {
    return Encode(picture, "png");
}

ErrorOr<std::vector<uint8_t>> QtPictureCodec::Encode(const Picture& picture,
                                                     const char* sFormat) const {
    const PixelImage* image = picture.Image();
    if (image == nullptr) return Failure{"cannot encode an empty picture"};
    const QImage source(reinterpret_cast<const uchar*>(image->argb.data()), image->width,
                        image->height, image->width * 4, QImage::Format_ARGB32);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, sFormat);
    if (!writer.write(source))
        return Failure{"cannot encode picture: " + writer.errorString().toStdString()};
    return std::vector<uint8_t>(data.begin(), data.end());
}

}  // namespace tavrel::qt
