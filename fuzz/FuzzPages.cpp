// The three property pages over a control, driven by the input: text typed into any box, spinner
// arrows, browses, loads and applies, then a paint.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "FuzzControl.h"
#include "FuzzGui.h"
#include "FuzzReader.h"
#include "control/TavrelAutomation.h"
#include "pages/PropertyPages.h"
#include "platform/qt/QtPictureCodec.h"

using namespace tavrel;

namespace {

// Answers a browse with nothing, or with a file that is not there: no input reaches real files.
class NowhereDialog : public FileDialog {
public:
    ErrorOr<std::string> GetOpenFileName(const OpenFileRequest&) override {
        if (sAnswer.empty()) return Failure{"cancelled"};
        return "/nonexistent-tavrel-fuzz/" + sAnswer;
    }
    std::string sAnswer;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzControl fuzz;
    Tavrel& control = fuzz.control;
    TavrelAutomation automation(control);
    NowhereDialog dialog;
    const qt::QtPictureCodec codec;

    std::vector<std::unique_ptr<PropertyPage>> pages;
    for (const PropertyPageEntry& entry : pages::TavrelPropertyPages(dialog, codec)) {
        pages.push_back(entry.create());
        pages.back()->SelectedControls({&automation});
        pages.back()->SelectionChanged();
    }
    Reader in{data, size};
    for (int steps = 0; steps < 64 && !in.Done(); ++steps) {
        PropertyPage& page = *pages[in.Byte() % pages.size()];
        const auto& controls = page.Controls();
        const PageControl& target = controls[in.Byte() % controls.size()];
        switch (in.Byte() % 4) {
            case 0:
                if (auto* box = std::get_if<TextBox*>(&target.model)) (*box)->Text(in.Text());
                if (auto* spinner = std::get_if<Spinner*>(&target.model))
                    in.Byte() % 2 ? (*spinner)->UpArrow() : (*spinner)->DownArrow();
                if (auto* button = std::get_if<Button*>(&target.model)) {
                    dialog.sAnswer = in.Text();
                    (*button)->Click();
                }
                break;
            case 1:
                page.ApplyChanges();
                page.Changed(false);
                break;
            case 2:
                page.SelectionChanged();
                break;
            default:
                control.OnPaint();
                break;
        }
    }
    control.OnPaint();
    pages.clear();
    return 0;
}
