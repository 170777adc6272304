#pragma once

#include <functional>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace tavrel::qt {
class TavrelWidget;
}

namespace tavrel::apps {

// Runs the tour language on a widget, one command per line; '#' starts a comment line and blank
// lines are ignored. Pointer commands go through real Qt mouse events on the widget.
//
// On `out`: MenuItemClick lines, get results, Beep, MessageBox lines, echo lines and, when
// notifications are shown, PropertyChanged lines. A script error (unknown command, bad number,
// missing file) is reported on `err` as "FILE:LINE: what is wrong" and ends the run with
// status 2; a refused property invocation is reported there too and the script goes on.
class ScriptRunner {
public:
    // A command of another program's own, asked before the commands above, so that a program may
    // give one of them its own meaning: it answers false when the command is not its own, and
    // throws ScriptError for a bad one.
    using Extension =
        std::function<bool(const std::string& sCommand, const std::vector<std::string>& words,
                           const std::string& sRest)>;

    struct ScriptError {
        std::string sWhat;
    };

    ScriptRunner(qt::TavrelWidget& widget, std::ostream& out, std::ostream& err);
    ~ScriptRunner();

    void ShowNotifications(bool bShow);
    // For running scripts from nobody in particular (the fuzzer): no command reads or writes a
    // file, waits are short and sizes small.
    void Sandbox(bool bSandbox);
    void AddCommands(Extension extension);

    // 0 when the script ran to its end, 2 after a script error.
    int Run(std::istream& script, const std::string& sName);
    // The script in a file, or on standard input for "-"; a file that cannot be read is said on
    // `err` and gives 2.
    int RunFile(const std::string& sPath);

    // Helpers for extensions.
    static double Number(const std::string& sWord);
    static int Integer(const std::string& sWord);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace tavrel::apps
