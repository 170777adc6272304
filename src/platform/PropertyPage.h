#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/AutomationObject.h"
#include "platform/DialogModels.h"

namespace tavrel {

// One control of a property page as a view lays it out: its name, its place in twips and the
// model it shows.
struct PageControl {
    using Model = std::variant<Frame*, Label*, TextBox*, Spinner*, Image*, Button*>;

    std::string sName;
    int32_t lLeft, lTop, lWidth, lHeight;
    Model model;
};

// A design-time property page, as its host (the property sheet) drives it. The host hands it the
// selected controls and tells it when the selection has changed and when to apply; the page sets
// its changed flag when there is something to apply, and the host clears it after applying.
class PropertyPage {
public:
    virtual ~PropertyPage() = default;
    PropertyPage(const PropertyPage&) = delete;
    PropertyPage& operator=(const PropertyPage&) = delete;

    const std::string& Caption() const { return sCaption_; }
    int32_t Width() const { return lWidth_; }    // twips
    int32_t Height() const { return lHeight_; }  // twips
    const std::vector<PageControl>& Controls() const { return controls_; }
    const PageControl* Find(std::string_view sName) const;

    void SelectedControls(std::vector<AutomationObject*> selection) {
        selection_ = std::move(selection);
    }
    const std::vector<AutomationObject*>& SelectedControls() const { return selection_; }

    // The page is shown for a selection for the first time, or the selection has changed.
    virtual void SelectionChanged() = 0;
    // The host asks the page to write its values to the control.
    virtual void ApplyChanges() = 0;

    bool Changed() const { return bChanged_; }
    void Changed(bool bChanged);
    // Tells the host whenever the changed flag is set or cleared.
    void OnChangedFlag(std::function<void()> handler) { onChangedFlag_ = std::move(handler); }

protected:
    PropertyPage(std::string sCaption, int32_t lWidth, int32_t lHeight);
    void Place(std::string sName, int32_t lLeft, int32_t lTop, int32_t lWidth, int32_t lHeight,
               PageControl::Model model);

    // The pages work on the first selected control only; none selected is a failing step.
    AutomationObject& FirstSelected() const;

    // One step each of a page's load or apply: a property that cannot be read or written is a
    // failing step, which the caller skips.
    Variant Read(std::string_view sProperty) const;
    void Write(std::string_view sProperty, const Variant& value) const;
    void WriteRef(std::string_view sProperty, const Variant& value) const;
    // Text boxes showing properties as text, loaded or applied in the order given, each a step
    // of its own.
    struct TextBinding {
        TextBox& box;
        const char* sProperty;
    };
    void LoadTexts(std::initializer_list<TextBinding> bindings) const;
    void ApplyTexts(std::initializer_list<TextBinding> bindings) const;

    // Every change of the box's text, typed, spun or loaded, marks the page changed.
    void MarkChangedOnEdit(TextBox& box);

private:
    std::string sCaption_;
    int32_t lWidth_;
    int32_t lHeight_;
    std::vector<PageControl> controls_;
    std::vector<AutomationObject*> selection_;
    bool bChanged_ = false;
    std::function<void()> onChangedFlag_;
};

// A page as a sheet lists it before it exists: its tab title and how to make it.
struct PropertyPageEntry {
    std::string sName;
    std::string sCaption;
    std::function<std::unique_ptr<PropertyPage>()> create;
};

}  // namespace tavrel
