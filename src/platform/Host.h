#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Failure.h"
#include "platform/Form.h"

namespace tavrel {

// What the host that a control is placed on offers it: the extender (the host's wrapper of the
// control, with its "Width" in the host's units and its "Parent"), property-change notification,
// a beep, a modal message box, asynchronous downloads, and the control's client size. A host
// that cannot do something answers with a Failure; the control decides what that failure means
// for the operation it was in.
class Host {
public:
    enum class DownloadKind { Picture };
    struct PointL {
        int32_t x = 0;
        int32_t y = 0;
    };

    virtual ~Host() = default;

    // The extender's "Width", in the host's units (our hosts use twips, 15 to a pixel). Setting
    // it makes the host resize the control, which it reports through the control's OnResize.
    virtual ErrorOr<int32_t> ExtenderWidth() = 0;
    virtual ErrorOr<void> SetExtenderWidth(int32_t lTwips) = 0;
    // Assigns an empty object reference, by reference, to the extender's "Parent".
    virtual ErrorOr<void> AssignEmptyExtenderParent() = 0;

    // The control's client area in pixels.
    virtual int32_t ClientWidth() = 0;
    virtual int32_t ClientHeight() = 0;
    // Enables or disables the control's own window.
    virtual void EnableWindow(bool bEnabled) = 0;

    // The pointer's position in screen pixels, and a screen position in the control's client
    // pixels.
    virtual ErrorOr<PointL> GetCursorPos() = 0;
    virtual ErrorOr<PointL> ScreenToClient(PointL screen) = 0;

    virtual void NotifyPropertyChanged(std::string_view sName) = 0;
    virtual void Beep() = 0;
    // A modal message box with one OK button.
    virtual void MessageBox(std::string_view sText) = 0;

    // Starts fetching `sTarget`; the host later calls the control's OnDownloadComplete with the
    // same tag, on the user-interface thread. A request that cannot be started is a Failure.
    virtual ErrorOr<void> RequestDownload(const std::string& sTarget, DownloadKind kind,
                                          const std::string& sTag) = 0;

    // Shows a form modally; returns when the form has closed itself.
    virtual ErrorOr<void> ShowModalForm(Form& form) = 0;
    // A message box with one OK button, an icon and a title ("" for the default title).
    virtual void MessageBoxEx(std::string_view sText, MessageIcon icon,
                              std::string_view sTitle) = 0;
    // Starts a program from a command line, never through a shell. "Start.exe TARGET" opens
    // TARGET (a mail or web address) with the desktop's default handler. Window style 0 hides
    // the started program's window, 1 shows it with the focus. A Failure when it cannot start.
    virtual ErrorOr<void> StartProgram(const std::string& sCommandLine, int16_t iWindowStyle) = 0;
};

}  // namespace tavrel
