#pragma once

#include "platform/Host.h"

namespace tavrel {

// A host that offers nothing and answers every call quietly: for tools, benchmarks and fuzzing,
// where the control runs without a form around it. Its extender is `lWidthTwips` wide and its
// client area `lWidth` x `lHeight` pixels; downloads, forms and programs never start.
class NullHost : public Host {
public:
    NullHost(int32_t lWidth = 120, int32_t lHeight = 300) : lWidth_(lWidth), lHeight_(lHeight) {}

    ErrorOr<int32_t> ExtenderWidth() override { return lWidth_ * 15; }
    ErrorOr<void> SetExtenderWidth(int32_t lTwips) override {
        lWidth_ = lTwips / 15;
        return {};
    }
    ErrorOr<void> AssignEmptyExtenderParent() override { return {}; }
    int32_t ClientWidth() override { return lWidth_; }
    int32_t ClientHeight() override { return lHeight_; }
    void SetClientSize(int32_t lWidth, int32_t lHeight) {
        lWidth_ = lWidth;
        lHeight_ = lHeight;
    }
    void EnableWindow(bool) override {}
    ErrorOr<PointL> GetCursorPos() override { return PointL{}; }
    ErrorOr<PointL> ScreenToClient(PointL screen) override { return screen; }
    void NotifyPropertyChanged(std::string_view) override {}
    void Beep() override {}
    void MessageBox(std::string_view) override {}
    ErrorOr<void> RequestDownload(const std::string&, DownloadKind, const std::string&) override {
        return Failure{"no downloads here"};
    }
    ErrorOr<void> ShowModalForm(Form& form) override {
        form.Close();
        return {};
    }
    void MessageBoxEx(std::string_view, MessageIcon, std::string_view) override {}
    ErrorOr<void> StartProgram(const std::string&, int16_t) override {
        return Failure{"no programs here"};
    }

private:
    int32_t lWidth_;
    int32_t lHeight_;
};

}  // namespace tavrel
