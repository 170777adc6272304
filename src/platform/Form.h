#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Color.h"
#include "platform/Picture.h"

namespace tavrel {

// One control of a dialog form, as its form's logic sets it and a view shows it. Positions and
// sizes are twips (15 to a pixel at 96 dots per inch).
struct DialogControl {
    enum class Kind { Label, Button, Image };

    std::string sName;
    Kind kind = Kind::Label;
    std::string sCaption;
    int32_t lLeft = 0, lTop = 0, lWidth = 0, lHeight = 0;
    Color foreColor = SystemColor(SystemColorIndex::ButtonText);
    double dFontPoints = 8.25;
    bool bBold = false;
    bool bItalic = false;
    bool bUnderline = false;
    std::string sToolTip;
    bool bHandCursor = false;  // link labels
    Picture picture;           // images
};

// A dialog form: its caption, client size, controls and the handlers of their events. The view
// reports clicks and pointer moves by control name ("" for the form's background) and shows the
// controls again after each; the form closes itself.
class Form {
public:
    virtual ~Form() = default;

    const std::string& Caption() const { return sCaption_; }
    int32_t ClientWidth() const { return lClientWidth_; }
    int32_t ClientHeight() const { return lClientHeight_; }
    const Picture& Icon() const { return icon_; }
    const std::vector<DialogControl>& Controls() const { return controls_; }
    DialogControl* Find(const std::string& sName);
    const DialogControl* Find(const std::string& sName) const;

    virtual void Click(const std::string& /*sControl*/) {}
    virtual void MouseMove(const std::string& /*sControl*/) {}

    bool IsClosed() const { return bClosed_; }
    void Close() { bClosed_ = true; }
    void Reopen() { bClosed_ = false; }

protected:
    Form(std::string sCaption, int32_t lClientWidth, int32_t lClientHeight,
         Picture icon = Picture());
    DialogControl& Add(DialogControl control);

private:
    std::string sCaption_;
    int32_t lClientWidth_;
    int32_t lClientHeight_;
    Picture icon_;
    std::vector<DialogControl> controls_;
    bool bClosed_ = false;
};

// What a message box shows besides its text.
enum class MessageIcon { None, Critical };

}  // namespace tavrel
