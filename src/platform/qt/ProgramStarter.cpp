#include "platform/qt/ProgramStarter.h"

#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <algorithm>

namespace tavrel::qt {

namespace {
constexpr const char* kStartPrefix = "Start.exe ";
}  // namespace

ErrorOr<void> StartDetached(const std::string& sCommandLine, int16_t /*iWindowStyle*/) {
    QString program;
    QStringList arguments;
    if (sCommandLine.rfind(kStartPrefix, 0) == 0) {
        program = QStringLiteral("xdg-open");
        arguments << QString::fromStdString(
            sCommandLine.substr(std::char_traits<char>::length(kStartPrefix)));
    } else {
        std::string path = sCommandLine;
        std::replace(path.begin(), path.end(), '\\', '/');
        if (QFileInfo(QString::fromStdString(path)).isFile()) {
            program = QString::fromStdString(path);
        } else {
            arguments = QString::fromStdString(path).split(' ', Qt::SkipEmptyParts);
            if (arguments.isEmpty()) return Failure{"nothing to start"};
            program = arguments.takeFirst();
        }
    }
    if (!QProcess::startDetached(program, arguments))
        return Failure{"cannot start " + program.toStdString()};
    return {};
}

}  // namespace tavrel::qt
