#include "apps/common/ScriptRunner.h"

#include <QApplication>
#include <QMouseEvent>
#include <cmath>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>

#include "apps/common/GifRecorder.h"
#include "control/Automation.h"
#include "control/Tavrel.h"
#include "platform/qt/OffscreenGui.h"
#include "platform/qt/QtPictureCodec.h"
#include "platform/qt/QtSurfaces.h"
#include "platform/qt/TavrelWidget.h"

namespace tavrel::apps {

namespace {

constexpr int kDownloadWaitMs = 60000;
constexpr int kSandboxSize = 2000;
constexpr int kSandboxWaitMs = 5;

[[noreturn]] void Error(const std::string& sWhat) {
    throw ScriptRunner::ScriptError{sWhat};
}

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

// What follows the first `n` words of a line, as written.
std::string RestAfter(const std::string& line, size_t n) {
    size_t at = 0;
    for (size_t i = 0; i < n; ++i) {
        at = line.find_first_not_of(" \t", at);
        at = line.find_first_of(" \t", at);
        if (at == std::string::npos) return "";
    }
    const size_t start = line.find_first_not_of(" \t", at);
    return start == std::string::npos ? "" : line.substr(start);
}

Qt::MouseButton QtButton(int code) {
    switch (code) {
        case 1:
            return Qt::LeftButton;
        case 2:
            return Qt::RightButton;
        case 4:
            return Qt::MiddleButton;
        default:
            Error("a button is 1 (left), 2 (right) or 4 (middle), not " + std::to_string(code));
    }
}

Qt::MouseButtons QtButtons(int code) {
    if (code < 0 || code > 7)
        Error("buttons held are a sum of 1, 2 and 4, not " + std::to_string(code));
    Qt::MouseButtons buttons;
    if (code & 1) buttons |= Qt::LeftButton;
    if (code & 2) buttons |= Qt::RightButton;
    if (code & 4) buttons |= Qt::MiddleButton;
    return buttons;
}

std::string Describe(const Variant& value) {
    if (const auto* p = std::get_if<Picture>(&value))
        return p->IsEmpty()
                   ? "none"
                   : "picture " + std::to_string(p->Width()) + "x" + std::to_string(p->Height());
    return conversion::ToText(value).ValueOr("?");
}

}  // namespace

struct ScriptRunner::Impl {
    Impl(qt::TavrelWidget& w, std::ostream& o, std::ostream& e) : widget(w), out(o), err(e) {
        QObject::connect(
            &widget, &qt::TavrelWidget::MenuItemClick, &widget, [this](int menu, int item) {
                out << "MenuItemClick MenuNumber=" << menu << " MenuItem=" << item << std::endl;
            });
        QObject::connect(&widget, &qt::TavrelWidget::Beeped, &widget,
                         [this] { out << "Beep" << std::endl; });
        QObject::connect(&widget, &qt::TavrelWidget::MessageShown, &widget,
                         [this](const QString& text) {
                             out << "MessageBox \"" << text.toStdString() << "\"" << std::endl;
                         });
        QObject::connect(&widget, &qt::TavrelWidget::PropertyChanged, &widget,
                         [this](const QString& name) {
                             if (bNotify)
                                 out << "PropertyChanged " << name.toStdString() << std::endl;
                         });
        QObject::connect(&widget, &qt::TavrelWidget::FramePresented, &widget, [this] {
            if (recording) recording->AddFrame(widget.VisibleSurface());
        });
    }

    void Mouse(QEvent::Type type, double x, double y, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
        const QPointF local(x, y);
        const QPointF global = widget.mapToGlobal(local);
        QMouseEvent event(type, local, global, button, buttons, Qt::NoModifier);
        QApplication::sendEvent(&widget, &event);
    }

    void Press(double x, double y, int code) {
        const Qt::MouseButton button = QtButton(code);
        held |= button;
        Mouse(QEvent::MouseButtonPress, x, y, button, held);
    }
    void Release(double x, double y, int code) {
        const Qt::MouseButton button = QtButton(code);
        held &= ~Qt::MouseButtons(button);
        Mouse(QEvent::MouseButtonRelease, x, y, button, held);
    }

    void Command(const std::string& line) {
        const std::vector<std::string> w = Words(line);
        const std::string& c = w[0];
        const auto need = [&](size_t low, size_t high) {
            if (w.size() - 1 < low || w.size() - 1 > high)
                Error("'" + c + "' takes " +
                      (low == high ? std::to_string(low)
                                   : std::to_string(low) + " to " + std::to_string(high)) +
                      " arguments");
        };
        Tavrel& control = widget.Control();
        if (bSandbox && (c == "load" || c == "save" || c == "shot" || c == "record"))
            Error("'" + c + "' is not allowed here");
        for (const Extension& extension : extensions)
            if (extension(c, w, RestAfter(line, 1))) return;
        if (c == "new") {
            need(0, 0);
            widget.NewInstance();
        } else if (c == "load") {
            need(1, 1);
            const auto loaded = widget.LoadInstance(QString::fromStdString(w[1]));
            if (loaded.IsError()) Error(loaded.Error().sReason);
        } else if (c == "save") {
            need(1, 1);
            const auto saved = widget.SaveInstance(QString::fromStdString(w[1]));
            if (saved.IsError()) Error(saved.Error().sReason);
        } else if (c == "size") {
            need(2, 2);
            const int width = Integer(w[1]), height = Integer(w[2]);
            const int largest = bSandbox ? kSandboxSize : 16384;
            if (width < 1 || height < 1 || width > largest || height > largest)
                Error("a size is 1 to " + std::to_string(largest) + " pixels");
            widget.resize(width, height);
        } else if (c == "down" || c == "up") {
            need(2, 3);
            const int button = w.size() > 3 ? Integer(w[3]) : 1;
            if (c == "down")
                Press(Number(w[1]), Number(w[2]), button);
            else
                Release(Number(w[1]), Number(w[2]), button);
        } else if (c == "move") {
            need(2, 3);
            held = QtButtons(w.size() > 3 ? Integer(w[3]) : 0);
            Mouse(QEvent::MouseMove, Number(w[1]), Number(w[2]), Qt::NoButton, held);
        } else if (c == "click") {
            need(2, 2);
            Press(Number(w[1]), Number(w[2]), 1);
            Release(Number(w[1]), Number(w[2]), 1);
        } else if (c == "dblclick") {
            need(2, 2);
            const double x = Number(w[1]), y = Number(w[2]);
            Press(x, y, 1);
            Release(x, y, 1);
            held |= Qt::LeftButton;
            Mouse(QEvent::MouseButtonDblClick, x, y, Qt::LeftButton, held);
            Release(x, y, 1);
        } else if (c == "set") {
            if (w.size() < 2) Error("'set' takes a property name and a value");
            const std::string value = RestAfter(line, 2);
            ErrorOr<void> put;
            if (FindMember(w[1]) && FindMember(w[1])->type == AutomationMember::Type::Picture) {
                Picture picture;
                if (value != "none") {
                    if (bSandbox) Error("pictures from files are not allowed here");
                    const auto loaded = codec.FromFile(value);
                    if (loaded.IsError()) Error(value + ": " + loaded.Error().sReason);
                    picture = loaded.Value();
                }
                put = PutProperty(control, w[1], picture);
            } else {
                put = PutProperty(control, w[1], value);
            }
            if (put.IsError()) Refused(put.Error().sReason);
        } else if (c == "get") {
            need(1, 1);
            const auto value = GetProperty(control, w[1]);
            if (value.IsError())
                Refused(value.Error().sReason);
            else
                out << w[1] << "=" << Describe(value.Value()) << std::endl;
        } else if (c == "call") {
            need(1, 1);
            const auto called = CallMethod(control, w[1]);
            if (called.IsError()) Refused(called.Error().sReason);
        } else if (c == "paint") {
            need(0, 0);
            control.OnPaint();
            widget.update();
        } else if (c == "wait") {
            need(0, 1);
            if (w.size() > 1) {
                const int ms = Integer(w[1]);
                if (ms < 0) Error("a wait is 0 milliseconds or more");
                qt::ProcessEventsFor(bSandbox ? std::min(ms, kSandboxWaitMs) : ms);
            } else {
                qt::ProcessEventsUntil([&] { return widget.OutstandingDownloads() == 0; },
                                       bSandbox ? kSandboxWaitMs : kDownloadWaitMs);
            }
        } else if (c == "shot") {
            need(1, 1);
            const auto shot = qt::SavePng(widget.VisibleSurface(), w[1]);
            if (shot.IsError()) Error(shot.Error().sReason);
        } else if (c == "record") {
            need(1, 1);
            if (recording) Error("already recording to " + recordPath);
            recording.emplace();
            recordPath = w[1];
            recording->AddFrame(widget.VisibleSurface());
        } else if (c == "endrecord") {
            need(0, 0);
            if (!recording) Error("'endrecord' without 'record'");
            recording->AddFrame(widget.VisibleSurface());
            const auto written = recording->Write(recordPath);
            recording.reset();
            if (written.IsError()) Error(written.Error().sReason);
        } else if (c == "echo") {
            out << RestAfter(line, 1) << std::endl;
        } else {
            Error("unknown command '" + c + "'");
        }
    }

    void Refused(const std::string& sWhy) {
        err << sName << ":" << lineNumber << ": " << sWhy << std::endl;
    }

    qt::TavrelWidget& widget;
    std::ostream& out;
    std::ostream& err;
    qt::QtPictureCodec codec;
    std::vector<Extension> extensions;
    std::optional<GifRecorder> recording;
    std::string recordPath;
    Qt::MouseButtons held;
    bool bNotify = false;
    bool bSandbox = false;
    std::string sName;
    int lineNumber = 0;
};

ScriptRunner::ScriptRunner(qt::TavrelWidget& widget, std::ostream& out, std::ostream& err)
    : impl_(std::make_unique<Impl>(widget, out, err)) {}

ScriptRunner::~ScriptRunner() = default;

void ScriptRunner::Sandbox(bool bSandbox) {
    impl_->bSandbox = bSandbox;
}
void ScriptRunner::ShowNotifications(bool bShow) {
    impl_->bNotify = bShow;
}
void ScriptRunner::AddCommands(Extension extension) {
    impl_->extensions.push_back(std::move(extension));
}

int ScriptRunner::RunFile(const std::string& sPath) {
    if (sPath == "-") return Run(std::cin, "-");
    std::ifstream script(sPath);
    if (!script) {
        impl_->err << "cannot read " << sPath << std::endl;
        return 2;
    }
    return Run(script, sPath);
}

int ScriptRunner::Run(std::istream& script, const std::string& sName) {
    impl_->sName = sName;
    impl_->lineNumber = 0;
    for (std::string line; std::getline(script, line);) {
        ++impl_->lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;
        try {
            impl_->Command(line);
        } catch (const ScriptError& error) {
            impl_->err << sName << ":" << impl_->lineNumber << ": " << error.sWhat << std::endl;
            impl_->recording.reset();
            return 2;
        }
    }
    if (impl_->recording) {
        impl_->err << sName << ":" << impl_->lineNumber << ": 'record' without 'endrecord'"
                   << std::endl;
        impl_->recording.reset();
        return 2;
    }
    return 0;
}

double ScriptRunner::Number(const std::string& sWord) {
    size_t used = 0;
    double value = 0;
    try {
        value = std::stod(sWord, &used);
    } catch (...) {
        used = 0;
    }
    if (used != sWord.size() || !std::isfinite(value) || std::fabs(value) > 1e9)
        Error("bad number '" + sWord + "'");
    return value;
}

int ScriptRunner::Integer(const std::string& sWord) {
    const double value = Number(sWord);
    if (value != std::floor(value)) Error("bad whole number '" + sWord + "'");
    return static_cast<int>(value);
}

}  // namespace tavrel::apps
