// tavrel-view [SETTINGS] [--script FILE|-] [--notify] [--pacing MICROSECONDS]
//
// Shows the navigation bar in a window with a status line, and prints every event on stdout.
// Without SETTINGS it shows a built-in demo. With a script, or without a display, it runs on
// Qt's offscreen platform, so the same commands work on a headless machine.
#include <QApplication>
#include <QLabel>
#include <QResizeEvent>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "apps/common/DemoBar.h"
#include "apps/common/ScriptRunner.h"
#include "control/Tavrel.h"
#include "platform/qt/OffscreenGui.h"
#include "platform/qt/TavrelWidget.h"

namespace {

struct Options {
    std::string sSettings;
    std::string sScript;
    bool bNotify = false;
    long pacingMicroseconds = 1000;
};

int Usage(const char* why) {
    std::fprintf(stderr,
                 "tavrel-view: %s\nusage: tavrel-view [SETTINGS] [--script FILE|-] [--notify] "
                 "[--pacing US]\n",
                 why);
    return 2;
}

// The window: the bar at the top left, a status line under it, sized to the bar.
class ViewerWindow : public QWidget {
public:
    ViewerWindow() : bar(this), status(this) {
        setWindowTitle(QStringLiteral("Tavrel"));
        status.setText(QStringLiteral("No item clicked yet"));
        bar.installEventFilter(this);
        Relayout();
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &bar && event->type() == QEvent::Resize) Relayout();
        return QWidget::eventFilter(watched, event);
    }
    void Relayout() {
        const int statusHeight = status.sizeHint().height() + 4;
        status.setGeometry(2, bar.height(), std::max(bar.width(), status.sizeHint().width()) - 2,
                           statusHeight);
        resize(std::max(bar.width(), status.sizeHint().width()), bar.height() + statusHeight);
    }

    tavrel::qt::TavrelWidget bar;
    QLabel status;
};

}  // namespace

int main(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--script") {
            if (++i == argc) return Usage("--script needs a file, or - for standard input");
            options.sScript = argv[i];
        } else if (arg == "--notify") {
            options.bNotify = true;
        } else if (arg == "--pacing") {
            if (++i == argc) return Usage("--pacing needs a number of microseconds");
            options.pacingMicroseconds = std::atol(argv[i]);
        } else if (!arg.empty() && arg[0] == '-') {
            return Usage(("unknown option " + arg).c_str());
        } else if (options.sSettings.empty()) {
            options.sSettings = arg;
        } else {
            return Usage("only one settings file");
        }
    }
    const bool bScript = !options.sScript.empty();
    const bool bDisplay = std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
    if (bScript || !bDisplay) qputenv("QT_QPA_PLATFORM", "offscreen");
    tavrel::qt::PrepareRuntimeDir();
    QApplication app(argc, argv);

    ViewerWindow window;
    tavrel::qt::TavrelWidget& bar = window.bar;
    bar.SetModalMessages(!bScript);
    bar.SetFramePacing(std::chrono::microseconds(bScript ? 0 : options.pacingMicroseconds));
    if (options.sSettings.empty()) {
        tavrel::apps::ApplyDemo(bar.Control());
        bar.Control().OnPaint();
    } else if (const auto loaded = bar.LoadInstance(QString::fromStdString(options.sSettings));
               loaded.IsError()) {
        std::fprintf(stderr, "tavrel-view: %s\n", loaded.Error().sReason.c_str());
        return 2;
    }
    QObject::connect(&bar, &tavrel::qt::TavrelWidget::MenuItemClick, &window,
                     [&](int menu, int item) {
                         window.status.setText(
                             QStringLiteral("MenuItemClick: menu %1, item %2").arg(menu).arg(item));
                         window.Relayout();
                     });
    window.show();

    if (bScript) {
        tavrel::apps::ScriptRunner runner(bar, std::cout, std::cerr);
        runner.ShowNotifications(options.bNotify);
        return runner.RunFile(options.sScript);
    }
    QObject::connect(
        &bar, &tavrel::qt::TavrelWidget::MenuItemClick, &window, [](int menu, int item) {
            std::cout << "MenuItemClick MenuNumber=" << menu << " MenuItem=" << item << std::endl;
        });
    if (options.bNotify)
        QObject::connect(&bar, &tavrel::qt::TavrelWidget::PropertyChanged, &window,
                         [](const QString& name) {
                             std::cout << "PropertyChanged " << name.toStdString() << std::endl;
                         });
    QObject::connect(&bar, &tavrel::qt::TavrelWidget::Beeped, &window,
                     [] { std::cout << "Beep" << std::endl; });
    QObject::connect(&bar, &tavrel::qt::TavrelWidget::MessageShown, &window,
                     [](const QString& text) {
                         std::cout << "MessageBox \"" << text.toStdString() << "\"" << std::endl;
                     });
    return app.exec();
}
