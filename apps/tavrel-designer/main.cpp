// tavrel-designer [SETTINGS] [--icons-as-locations] [--script FILE|-] [--notify]
//
// The design-time host: the bar on a form, with Properties... (the property sheet), About...,
// Save and Save As for its settings file. With a script it runs on Qt's offscreen platform and
// nothing is modal, so that the sheet can be driven from the script.
#include <QApplication>
#include <cstdio>
#include <iostream>
#include <string>

#include "apps/common/ScriptRunner.h"
#include "apps/tavrel-designer/DesignerCommands.h"
#include "apps/tavrel-designer/DesignerWindow.h"
#include "platform/qt/OffscreenGui.h"
#include "platform/qt/QtFileDialog.h"

namespace {

struct Options {
    std::string sSettings;
    std::string sScript;
    bool bIconsAsLocations = false;
    bool bNotify = false;
};

int Usage(const std::string& why) {
    std::fprintf(stderr,
                 "tavrel-designer: %s\nusage: tavrel-designer [SETTINGS] [--icons-as-locations] "
                 "[--script FILE|-] [--notify]\n",
                 why.c_str());
    return 2;
}

// The offscreen platform cannot fix a window's size and says so for every fixed-size dialog; that
// is no news to a script's reader.
void QuietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QStringLiteral("does not support propagateSizeHints"))) return;
    std::cerr << qFormatLogMessage(type, context, message).toStdString() << std::endl;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--script") {
            if (++i == argc) return Usage("--script needs a file, or - for standard input");
            options.sScript = argv[i];
        } else if (arg == "--icons-as-locations") {
            options.bIconsAsLocations = true;
        } else if (arg == "--notify") {
            options.bNotify = true;
        } else if (!arg.empty() && arg[0] == '-') {
            return Usage("unknown option " + arg);
        } else if (options.sSettings.empty()) {
            options.sSettings = arg;
        } else {
            return Usage("only one settings file");
        }
    }
    const bool bScript = !options.sScript.empty();
    const bool bDisplay = std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
    if (!bScript && !bDisplay) return Usage("the designer needs a display, or a --script");
    if (bScript) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(QuietOffscreen);
    }
    tavrel::qt::PrepareRuntimeDir();
    QApplication app(argc, argv);

    tavrel::qt::QtFileDialog systemDialog;
    tavrel::apps::ScriptedFileDialog scriptedDialog;
    tavrel::apps::DesignerWindow designer(
        bScript ? static_cast<tavrel::FileDialog&>(scriptedDialog) : systemDialog, bScript);
    // The extender's answer to the "Parent" probe decides how icons are saved.
    designer.Bar().SetAcceptsExtenderParent(!options.bIconsAsLocations);
    designer.New();
    if (!options.sSettings.empty())
        if (const auto opened = designer.Open(QString::fromStdString(options.sSettings));
            opened.IsError())
            designer.Report(QString::fromStdString(opened.Error().sReason));
    designer.show();

    if (!bScript) return app.exec();
    tavrel::apps::ScriptRunner runner(designer.Bar(), std::cout, std::cerr);
    runner.ShowNotifications(options.bNotify);
    runner.AddCommands(tavrel::apps::DesignerCommands(designer, scriptedDialog, std::cout));
    return runner.RunFile(options.sScript);
}
