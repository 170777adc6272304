// tavrel-bench: what the bar's performance rests on, measured against the physical limit
// (memmove) and against the peer a Qt user would pick instead (QToolBox).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QToolBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <cstring>
#include <vector>

#include "AllocationCounter.h"
#include "control/Automation.h"
#include "control/Tavrel.h"
#include "items/BarCodes.h"
#include "menus/Menus.h"
#include "platform/Gdi.h"
#include "platform/NullHost.h"
#include "platform/qt/OffscreenGui.h"
#include "platform/qt/QtSurfaces.h"
#include "platform/qt/TavrelWidget.h"

using namespace tavrel;

namespace {

constexpr int32_t kBH = 18;

Picture Solid(int32_t side, uint32_t argb) {
    return Picture(
        PixelImage{side, side, std::vector<uint32_t>(static_cast<size_t>(side) * side, argb)});
}

// A bar of `menus` menus with `items` items each on width x height, icons in a prepared cache.
struct Bar {
    Bar(int32_t width, int32_t height, int32_t menus, int32_t items)
        : surface(qt::MakeSurface(width, height)),
          cache(qt::MakeSurface(width, 68 + 32 * menus * items)) {
        surface->BackColor(kBarBackground);
        surface->Cls();
        cache->BackColor(kBarBackground);
        cache->Cls();
        DrawEdge(cache->hDC(), Rect{0, 0, width, kBH}, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_SOFT);
        for (int32_t i = 0; i < menus * items; ++i)
            cache->Box(4, 72 + 32 * i, 27, 95 + 32 * i, 0x00204080 + i * 0x0A0A, BoxFill::Filled);
        bar.Menu(surface);
        bar.Cache(cache);
        bar.ButtonHeight(kBH);
        for (int32_t m = 1; m <= menus; ++m) {
            VMenu& menu = bar.Add("Menu" + std::to_string(m), m, surface);
            menu.ImageCache(cache);
            for (int32_t i = 1; i <= items; ++i)
                menu.AddMenuItem("Item " + std::to_string(i), i, Picture());
        }
        bar.MenuCur(1);
        bar.NumberOfMenusChanged(true);
        bar.Paint();
    }
    std::shared_ptr<Surface> surface;
    std::shared_ptr<Surface> cache;
    Menus bar;
};

// Allocations between the first and the last frame of an animation: the work of its frames.
struct FrameAllocations {
    explicit FrameAllocations(Surface& surface) {
        surface.SetFramePresenter([this] {
            const int64_t now = bench::Allocations();
            if (bInAnimation) {
                during += now - last;
                ++counted;
            }
            bInAnimation = true;
            last = now;
            ++frames;
        });
    }
    // The next frame starts a new animation: what came before it is not frame work.
    void NextAnimation() { bInAnimation = false; }
    double PerFrame() const { return counted > 0 ? static_cast<double>(during) / counted : 0; }
    bool bInAnimation = false;
    int64_t counted = 0;
    int64_t frames = 0;
    int64_t during = 0;
    int64_t last = 0;
};

void BM_BandCopy(benchmark::State& state) {
    const auto height = static_cast<int32_t>(state.range(0)),
               width = static_cast<int32_t>(state.range(1));
    auto surface = qt::MakeSurface(width, height);
    const int32_t top = kBH, band = height - 3 * kBH - 1;
    for (auto _ : state)
        BitBlt(surface->hDC(), 0, top, width, band, surface->hDC(), 0, top + 1, SRCCOPY);
    state.SetBytesProcessed(state.iterations() * int64_t{width} * band * 4);
}
BENCHMARK(BM_BandCopy)->ArgsProduct({{300, 600, 1080}, {120, 240}});

void BM_Memmove(benchmark::State& state) {
    const auto height = static_cast<int32_t>(state.range(0)),
               width = static_cast<int32_t>(state.range(1));
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    const int32_t top = kBH, band = height - 3 * kBH - 1;
    for (auto _ : state) {
        std::memmove(pixels.data() + size_t(top) * width, pixels.data() + size_t(top + 1) * width,
                     size_t(band) * width * 4);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t{width} * band * 4);
}
BENCHMARK(BM_Memmove)->ArgsProduct({{300, 600, 1080}, {120, 240}});

void BM_Slide(benchmark::State& state) {
    Bar bar(120, static_cast<int32_t>(state.range(0)), 3, 3);
    FrameAllocations allocations(*bar.surface);
    for (auto _ : state) {
        allocations.NextAnimation();
        bar.bar.MenuCur(3);
        bar.bar.Paint();
        allocations.NextAnimation();
        bar.bar.MenuCur(1);
        bar.bar.Paint();
    }
    state.counters["frames_per_switch"] =
        static_cast<double>(allocations.frames) / (2.0 * state.iterations());
    state.counters["allocs_per_frame"] = allocations.PerFrame();
}
BENCHMARK(BM_Slide)->Arg(200)->Arg(300)->Arg(450)->Arg(600)->Arg(800)->Arg(1080)->Unit(
    benchmark::kMicrosecond);

void BM_Scroll(benchmark::State& state) {
    Bar bar(120, 300, 1, 10);
    FrameAllocations allocations(*bar.surface);
    int32_t hit = 0;
    for (auto _ : state) {
        // The down arrow (at 299 - 18 = 281) and, once scrolled, the up arrow (at 22).
        allocations.NextAnimation();
        (void)bar.bar.MouseProcess(MousePosDown, 105, 285, hit);
        (void)bar.bar.MouseProcess(MousePosUp, 105, 285, hit);
        allocations.NextAnimation();
        (void)bar.bar.MouseProcess(MousePosDown, 105, 27, hit);
        (void)bar.bar.MouseProcess(MousePosUp, 105, 27, hit);
    }
    state.counters["frames_per_scroll"] =
        static_cast<double>(allocations.frames) / (2.0 * state.iterations());
    state.counters["allocs_per_frame"] = allocations.PerFrame();
}
BENCHMARK(BM_Scroll)->Unit(benchmark::kMicrosecond);

void BM_StaticPaint(benchmark::State& state) {
    Bar bar(240, 1080, 6, 10);
    for (auto _ : state) bar.bar.Paint();
}
BENCHMARK(BM_StaticPaint)->Unit(benchmark::kMicrosecond);

struct Clicks final : TavrelEvents {
    void MenuItemClick(int32_t&, int32_t&) override { ++count; }
    int64_t count = 0;
};

struct FullControl {
    FullControl() : control(host, events, qt::MakeSurface(240, 1080), qt::MakeSurface(240, 69)) {
        control.OnCreate();
        control.InitDefaults();
        control.OnResize();
        control.MenusMax(6);
        for (int32_t m = 1; m <= 6; ++m) {
            control.MenuCur(m);
            control.MenuItemsMax(10);
            for (int32_t i = 1; i <= 10; ++i) {
                control.MenuItemCur(i);
                control.MenuItemIcon(Solid(48, 0xFF000000u + static_cast<uint32_t>(m * 40 + i)));
            }
        }
        control.MenuCur(1);
        control.OnPaint();
    }
    NullHost host{240, 1080};
    Clicks events;
    Tavrel control;
};

void BM_SetupCache(benchmark::State& state) {
    FullControl full;
    for (auto _ : state) full.control.SetupCache();
    state.counters["us_per_icon"] = benchmark::Counter(
        60.0 * state.iterations(), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SetupCache)->Unit(benchmark::kMicrosecond);

void BM_ScaleAtPaint(benchmark::State& state) {
    auto surface = qt::MakeSurface(240, 1080);
    const Picture icon = Solid(48, 0xFF336699);
    for (auto _ : state)
        for (int32_t i = 0; i < 10; ++i) surface->PaintPicture(icon, 104, 32 + 64 * i, 32, 32);
}
BENCHMARK(BM_ScaleAtPaint)->Unit(benchmark::kMicrosecond);

void BM_Click(benchmark::State& state) {
    FullControl full;
    const int64_t before = full.events.count;
    for (auto _ : state) {
        full.control.OnSurfaceMouseDown(1, 0, 120, 42);
        full.control.OnSurfaceMouseUp(1, 0, 120, 42);
    }
    if (full.events.count - before != state.iterations()) state.SkipWithError("a click was lost");
}
BENCHMARK(BM_Click)->Unit(benchmark::kMicrosecond);

// --- the peer -----------------------------------------------------------------------------------

QImage IconImage(int i) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(QColor::fromRgb(0x204080 + i * 0x0A0A));
    return image;
}

void Send(QWidget& widget, QEvent::Type type, QPointF at) {
    QMouseEvent event(type, at, widget.mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

void BM_QToolBoxSwitch(benchmark::State& state) {
    QToolBox box;
    box.resize(240, 1080);
    for (int page = 0; page < 6; ++page) {
        auto* content = new QWidget;
        auto* layout = new QVBoxLayout(content);
        for (int i = 0; i < 10; ++i) {
            auto* button = new QToolButton;
            button->setIcon(QIcon(QPixmap::fromImage(IconImage(page * 10 + i))));
            button->setIconSize(QSize(32, 32));
            button->setText(QStringLiteral("Item %1").arg(i + 1));
            button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
            layout->addWidget(button);
        }
        box.addItem(content, QStringLiteral("Menu%1").arg(page + 1));
    }
    box.show();
    QImage target(240, 1080, QImage::Format_RGB32);
    int current = 0;
    for (auto _ : state) {
        current = current == 0 ? 2 : 0;
        box.setCurrentIndex(current);
        QApplication::processEvents();
        box.render(&target);
    }
}
BENCHMARK(BM_QToolBoxSwitch)->Unit(benchmark::kMicrosecond);

void BM_TavrelSwitch(benchmark::State& state) {
    qt::TavrelWidget widget;
    widget.SetFramePresentation(false);
    widget.resize(240, 1080);
    widget.show();
    (void)PutProperty(widget.Control(), "MenusMax", int32_t{6});
    for (int32_t m = 1; m <= 6; ++m) {
        (void)PutProperty(widget.Control(), "MenuCur", m);
        (void)PutProperty(widget.Control(), "MenuItemsMax", int32_t{10});
        for (int32_t i = 1; i <= 10; ++i) {
            (void)PutProperty(widget.Control(), "MenuItemCur", i);
            (void)PutProperty(widget.Control(), "MenuItemIcon",
                              Solid(32, 0xFF000000u + static_cast<uint32_t>(m * 40 + i)));
        }
    }
    (void)PutProperty(widget.Control(), "MenuCur", int32_t{1});
    widget.Control().OnPaint();
    QImage target(240, 1080, QImage::Format_RGB32);
    bool bThird = false;
    for (auto _ : state) {
        // Press the caption button of menu 3 (at the bottom) or menu 1 (at the top): the slide.
        bThird = !bThird;
        const QPointF at(120, bThird ? 1080 - 4 * kBH + 5 : 5);
        Send(widget, QEvent::MouseButtonPress, at);
        Send(widget, QEvent::MouseButtonRelease, at);
        widget.render(&target);
    }
}
BENCHMARK(BM_TavrelSwitch)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qt::OffscreenGui gui(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
