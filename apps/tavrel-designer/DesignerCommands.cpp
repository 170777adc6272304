#include "apps/tavrel-designer/DesignerCommands.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>

#include "apps/tavrel-designer/DesignerWindow.h"
#include "platform/qt/QtPropertyPageView.h"

namespace tavrel::apps {

namespace {

[[noreturn]] void Error(const std::string& sWhat) {
    throw ScriptRunner::ScriptError{sWhat};
}

// What follows the first word of `s`.
std::string AfterFirstWord(const std::string& s) {
    const size_t end = s.find_first_of(" \t");
    if (end == std::string::npos) return "";
    const size_t start = s.find_first_not_of(" \t", end);
    return start == std::string::npos ? "" : s.substr(start);
}

std::string PageNames(const qt::QtPropertySheet& sheet) {
    std::string names;
    for (int i = 0; i < sheet.Tabs().count(); ++i)
        names += (i ? ", " : "") + sheet.Tabs().tabText(i).toStdString();
    return names;
}

class Commands {
public:
    Commands(DesignerWindow& designer, ScriptedFileDialog& dialog, std::ostream& out)
        : designer_(designer), dialog_(dialog), out_(out) {}

    bool operator()(const std::string& c, const std::vector<std::string>& w,
                    const std::string& sRest) {
        const auto need = [&](size_t least, size_t most) {
            if (w.size() - 1 < least || w.size() - 1 > most)
                Error("'" + c + "' takes " + std::to_string(least) +
                      (least == most ? "" : " to " + std::to_string(most)) + " arguments");
        };
        if (c == "new") {
            need(0, 0);
            designer_.New();
        } else if (c == "load") {
            need(1, 1);
            if (const auto opened = designer_.Open(QString::fromStdString(w[1])); opened.IsError())
                Error(opened.Error().sReason);
        } else if (c == "save") {
            need(0, 1);
            const auto saved =
                w.size() == 1 ? designer_.Save() : designer_.SaveAs(QString::fromStdString(w[1]));
            if (saved.IsError()) Error(saved.Error().sReason);
        } else if (c == "sheet") {
            need(0, 0);
            designer_.OpenSheet();
        } else if (c == "page") {
            need(1, 1);
            if (!Sheet().ShowPage(w[1]))
                Error("there is no page '" + w[1] + "'; the pages are " + PageNames(Sheet()));
        } else if (c == "type") {
            if (w.size() < 2) Error("'type' needs a text box and the text to type");
            qt::TypeInto(Find<QLineEdit>(w[1], "a text box"),
                         QString::fromStdString(AfterFirstWord(sRest)));
        } else if (c == "spin") {
            need(2, 2);
            if (w[2] != "up" && w[2] != "down") Error("a spinner turns up or down, not " + w[2]);
            Find<QScrollBar>(w[1], "a spinner")
                .triggerAction(w[2] == "up" ? QAbstractSlider::SliderSingleStepSub
                                            : QAbstractSlider::SliderSingleStepAdd);
        } else if (c == "browse") {
            if (sRest.empty()) Error("'browse' needs a file, or cancel");
            auto& button = Find<QPushButton>("cmdBrowse", "a button");
            if (sRest == "cancel")
                dialog_.answer.reset();
            else
                dialog_.answer = sRest;
            button.click();
        } else if (c == "show") {
            need(1, 1);
            Show(w[1]);
        } else if (c == "changed") {
            need(0, 0);
            out_ << "changed=" << (Sheet().CurrentPage().Changed() ? "True" : "False") << std::endl;
        } else if (c == "apply" || c == "ok" || c == "cancel") {
            need(0, 0);
            const qt::QtPropertySheet& sheet = Sheet();
            (c == "apply" ? sheet.ApplyButton()
             : c == "ok"  ? sheet.OkButton()
                          : sheet.CancelButton())
                .click();
        } else if (c == "sheetshot") {
            need(1, 1);
            if (!Sheet().grab().save(QString::fromStdString(w[1]))) Error("cannot write " + w[1]);
        } else {
            return false;
        }
        return true;
    }

private:
    qt::QtPropertySheet& Sheet() const {
        qt::QtPropertySheet* sheet = designer_.Sheet();
        if (sheet == nullptr) Error("no property sheet is open; 'sheet' opens it");
        return *sheet;
    }

    template <class W>
    W& Find(const std::string& sName, const char* sKind) const {
        auto* widget = qobject_cast<W*>(Sheet().CurrentView().Widget(sName));
        if (widget == nullptr)
            Error("'" + sName + "' is not " + sKind + " on the page " +
                  Sheet().CurrentPage().Caption());
        return *widget;
    }

    void Show(const std::string& sName) const {
        const PageControl* control = Sheet().CurrentPage().Find(sName);
        if (control == nullptr)
            Error("there is no '" + sName + "' on the page " + Sheet().CurrentPage().Caption());
        if (const auto* box = std::get_if<TextBox*>(&control->model)) {
            out_ << sName << "=" << (*box)->Text() << std::endl;
        } else if (const auto* spinner = std::get_if<Spinner*>(&control->model)) {
            out_ << sName << "=" << (*spinner)->Value() << " min=" << (*spinner)->Min()
                 << " max=" << (*spinner)->Max() << std::endl;
        } else if (const auto* image = std::get_if<Image*>(&control->model)) {
            const Picture& picture = (*image)->picture;
            if (picture.IsEmpty())
                out_ << sName << "=none" << std::endl;
            else
                out_ << sName << "=picture " << picture.Width() << "x" << picture.Height()
                     << std::endl;
        } else {
            Error("'" + sName + "' is not a text box, a spinner or an image");
        }
    }

    DesignerWindow& designer_;
    ScriptedFileDialog& dialog_;
    std::ostream& out_;
};

}  // namespace

ErrorOr<std::string> ScriptedFileDialog::GetOpenFileName(const OpenFileRequest&) {
    if (!answer) return Failure{"the dialog was cancelled"};
    return *answer;
}

ScriptRunner::Extension DesignerCommands(DesignerWindow& designer, ScriptedFileDialog& dialog,
                                         std::ostream& out) {
    return Commands(designer, dialog, out);
}

}  // namespace tavrel::apps
