#include "apps/common/DemoBar.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "control/Tavrel.h"

namespace tavrel::apps {

namespace {

using Draw = std::function<void(QPainter&)>;

Picture Icon(const Draw& draw) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p);
    }
    PixelImage pixels{32, 32, std::vector<uint32_t>(32 * 32)};
    for (int y = 0; y < 32; ++y)
        std::memcpy(pixels.argb.data() + y * 32, image.constScanLine(y), 32 * 4);
    return Picture(std::move(pixels));
}

Draw Envelope(QColor c) {
    return [c](QPainter& p) {
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(c);
        p.drawRect(QRectF(3, 8, 26, 17));
        p.drawPolyline(QPolygonF({QPointF(3, 8), QPointF(16, 18), QPointF(29, 8)}));
    };
}
Draw Page(QColor c) {
    return [c](QPainter& p) {
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(c);
        p.drawRect(QRectF(7, 3, 18, 26));
        for (int y = 9; y <= 23; y += 4) p.drawLine(QPointF(10, y), QPointF(22, y));
    };
}
Draw Calendar(QColor c) {
    return [c](QPainter& p) {
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 6, 24, 22));
        p.setBrush(c);
        p.drawRect(QRectF(4, 6, 24, 6));
        for (int x = 0; x < 4; ++x)
            for (int y = 0; y < 3; ++y) p.fillRect(QRectF(7 + x * 5.5, 15 + y * 4.2, 3, 2.5), c);
    };
}
Draw Person(QColor c) {
    return [c](QPainter& p) {
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(c);
        p.drawEllipse(QRectF(10, 3, 12, 12));
        p.drawChord(QRectF(5, 16, 22, 24), 0, 180 * 16);
    };
}
Draw Gear(QColor c) {
    return [c](QPainter& p) {
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(c);
        p.translate(16, 16);
        for (int i = 0; i < 8; ++i) {
            p.drawRect(QRectF(-2.5, -14, 5, 6));
            p.rotate(45);
        }
        p.drawEllipse(QRectF(-10, -10, 20, 20));
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(-4, -4, 8, 8));
    };
}
Draw Star(QColor c) {
    return [c](QPainter& p) {
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            const double r = i % 2 ? 6 : 14, a = (i * 36 - 90) * 3.14159265 / 180;
            const QPointF point(16 + r * std::cos(a), 17 + r * std::sin(a));
            i == 0 ? star.moveTo(point) : star.lineTo(point);
        }
        star.closeSubpath();
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(c);
        p.drawPath(star);
    };
}

struct DemoMenu {
    const char* caption;
    std::vector<std::pair<const char*, Draw>> items;
};

}  // namespace

void ApplyDemo(Tavrel& control) {
    const std::vector<DemoMenu> menus = {
        {"Mail",
         {{"Inbox", Envelope(QColor(250, 220, 90))},
          {"Sent", Envelope(QColor(150, 210, 250))},
          {"Drafts", Page(QColor(240, 240, 240))}}},
        {"Calendar",
         {{"Today", Calendar(QColor(220, 60, 50))},
          {"Week", Calendar(QColor(60, 140, 220))},
          {"Month", Calendar(QColor(60, 170, 90))}}},
        {"Contacts",
         {{"People", Person(QColor(240, 180, 120))},
          {"Teams", Person(QColor(120, 180, 240))},
          {"Favourites", Star(QColor(250, 210, 40))}}},
        {"Tools",
         {{"Settings", Gear(QColor(180, 180, 190))},
          {"Plug-ins", Gear(QColor(120, 200, 150))},
          {"Notes", Page(QColor(255, 250, 180))},
          {"Reports", Page(QColor(200, 220, 255))},
          {"Archive", Envelope(QColor(200, 170, 140))},
          {"Starred", Star(QColor(250, 150, 60))},
          {"Export", Page(QColor(220, 255, 220))}}},
    };
    control.MenusMax(static_cast<int32_t>(menus.size()));
    for (size_t m = 0; m < menus.size(); ++m) {
        control.MenuCur(static_cast<int32_t>(m + 1));
        control.MenuCaption(menus[m].caption);
        control.MenuItemsMax(static_cast<int32_t>(menus[m].items.size()));
        for (size_t i = 0; i < menus[m].items.size(); ++i) {
            control.MenuItemCur(static_cast<int32_t>(i + 1));
            control.MenuItemCaption(menus[m].items[i].first);
            control.MenuItemKey(std::string(menus[m].caption) + "/" + menus[m].items[i].first);
            control.MenuItemIcon(Icon(menus[m].items[i].second));
        }
    }
    control.MenuStartup(1);
    control.MenuCur(1);
}

}  // namespace tavrel::apps
