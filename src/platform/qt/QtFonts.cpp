#include "platform/qt/QtFonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QRawFont>
#include <QStringList>
#include <algorithm>
#include <cstdio>

#include "platform/Rounding.h"

namespace tavrel::qt {

namespace {

constexpr const char* kTahomaFiles[] = {"/usr/share/wine/fonts/tahoma.ttf",
                                        "/usr/share/wine/fonts/tahomabd.ttf"};

// Registers the Tahoma files once; true when Tahoma can be had.
bool TahomaAvailable() {
    static const bool bAvailable = [] {
        bool bAny = false;
        for (const char* path : kTahomaFiles)
            bAny = QFontDatabase::addApplicationFont(QString::fromUtf8(path)) >= 0 || bAny;
        if (!bAny)
            std::fprintf(stderr,
                         "tavrel: warning: %s not found (package fonts-wine); captions use a "
                         "sans-serif font instead of Tahoma\n",
                         kTahomaFiles[0]);
        return bAny;
    }();
    return bAvailable;
}

int BigEndian16(const QByteArray& table, int offset) {
    return (static_cast<uchar>(table[offset]) << 8) | static_cast<uchar>(table[offset + 1]);
}

}  // namespace

CellMetrics CellMetricsFor(const QFont& font) {
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray os2 = raw.fontTable("OS/2");
    const QByteArray head = raw.fontTable("head");
    constexpr int kWinAscent = 74, kWinDescent = 76, kUnitsPerEm = 18;
    const int unitsPerEm = head.size() >= kUnitsPerEm + 2 ? BigEndian16(head, kUnitsPerEm) : 0;
    if (os2.size() < kWinDescent + 2 || unitsPerEm == 0) {
        const QFontMetrics metrics(font);
        return CellMetrics{metrics.ascent(), metrics.height()};
    }
    const double scale = static_cast<double>(font.pixelSize()) / unitsPerEm;
    const int ascent = RoundHalfEven(BigEndian16(os2, kWinAscent) * scale);
    const int descent = RoundHalfEven(BigEndian16(os2, kWinDescent) * scale);
    return CellMetrics{ascent, ascent + descent};
}

QFont FontFor(const FontSpec& wanted) {
    const bool bTahoma = wanted.sName == "Tahoma";
    QFont font;
    if (!bTahoma || TahomaAvailable()) {
        font.setFamily(QString::fromStdString(wanted.sName));
    } else {
        font.setStyleHint(QFont::SansSerif);
        font.setFamily(QStringLiteral("sans-serif"));
    }
    // Points at 96 dots per inch: Tahoma 8.25 pt is 11 pixels.
    font.setPixelSize(RoundHalfEven(std::clamp(wanted.dPoints, 1.0, 500.0) * 96.0 / 72.0));
    font.setBold(wanted.bBold);
    // Captions are drawn as classic controls draw them: crisp, without smoothing.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

}  // namespace tavrel::qt
