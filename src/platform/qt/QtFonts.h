#pragma once

#include <QFont>

#include "platform/Canvas.h"

namespace tavrel::qt {

// The Qt font for a font description. Tahoma comes from the Tahoma-compatible font that
// Debian's fonts-wine installs; where that file is missing the bar prints in a sans-serif font,
// with one warning on stderr.
QFont FontFor(const FontSpec& wanted);

// The character cell as classic Windows text measures it: ascent and descent from the font's
// Windows metrics (OS/2 usWinAscent and usWinDescent), each rounded to whole pixels. Text heights
// and caption placement depend on it; fonts without those tables fall back to Qt's metrics.
struct CellMetrics {
    int ascent = 0;
    int height = 0;
};
CellMetrics CellMetricsFor(const QFont& font);

}  // namespace tavrel::qt
