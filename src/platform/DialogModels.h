#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/Picture.h"

namespace tavrel {

// A caption that the user cannot change: labels and frames.
struct Label {
    std::string sCaption;
};
struct Frame {
    std::string sCaption;
};

// An image holds a picture object, not a copy: what it is given is what it hands on.
struct Image {
    Picture picture;
};

// A push button; a click runs its handler.
class Button {
public:
    explicit Button(std::string sCaption = "") : sCaption_(std::move(sCaption)) {}
    const std::string& Caption() const { return sCaption_; }
    void OnClick(std::function<void()> handler) { onClick_ = std::move(handler); }
    void Click() {
        if (onClick_) onClick_();
    }

private:
    std::string sCaption_;
    std::function<void()> onClick_;
};

// A one-line text box: its text, a maximum length (0 for none) and a notification whenever the
// text changes, whether typed or set by the program. Setting the text it already has changes
// nothing and notifies nobody.
class TextBox {
public:
    const std::string& Text() const { return sText_; }
    // Text past the maximum length is cut off, as typing would stop there.
    void Text(std::string sNewValue);
    int32_t MaxLength() const { return lMaxLength_; }
    void MaxLength(int32_t lNewValue);
    void OnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

private:
    std::string sText_;
    int32_t lMaxLength_ = 0;
    std::function<void()> onChange_;
};

// A spinner that behaves as a vertical scroll bar with a step of 1: the upper arrow moves the
// position towards Min, the lower arrow towards Max. The position always stays inside the range,
// also when Min or Max changes, and every move of it, for whatever reason, notifies. When Min is
// above Max the range is still the values between them: the upper arrow still moves towards Min.
class Spinner {
public:
    int32_t Min() const { return lMin_; }
    void Min(int32_t lNewValue);
    int32_t Max() const { return lMax_; }
    void Max(int32_t lNewValue);
    int32_t Value() const { return lValue_; }
    void Value(int32_t lNewValue);
    void UpArrow();
    void DownArrow();
    void OnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

private:
    void Place(int64_t lWanted);

    int32_t lMin_ = 0;
    int32_t lMax_ = 32767;
    int32_t lValue_ = 0;
    std::function<void()> onChange_;
};

}  // namespace tavrel
