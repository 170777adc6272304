#pragma once

#include <functional>
#include <string>
#include <vector>

#include "control/TavrelEvents.h"
#include "platform/Host.h"

namespace tavrel::testing {

// A host that records what the control asks of it: notifications, beeps and messages in one
// ordered log, and download requests. Its extender "Width" is in twips; setting it resizes the
// client area and tells the control, as a form would.
class RecordingHost : public Host {
public:
    struct Download {
        std::string sTarget;
        std::string sTag;
    };

    ErrorOr<int32_t> ExtenderWidth() override;
    ErrorOr<void> SetExtenderWidth(int32_t lTwips) override;
    ErrorOr<void> AssignEmptyExtenderParent() override;
    int32_t ClientWidth() override { return lClientWidth; }
    int32_t ClientHeight() override { return lClientHeight; }
    void EnableWindow(bool bEnabled) override { bWindowEnabled = bEnabled; }
    ErrorOr<PointL> GetCursorPos() override { return cursor; }
    ErrorOr<PointL> ScreenToClient(PointL screen) override {
        return PointL{screen.x - clientOrigin.x, screen.y - clientOrigin.y};
    }
    void NotifyPropertyChanged(std::string_view sName) override;
    void Beep() override;
    void MessageBox(std::string_view sText) override;
    ErrorOr<void> RequestDownload(const std::string& sTarget, DownloadKind kind,
                                  const std::string& sTag) override;

    // Forms are "shown" by handing them to onForm, which may click and move on them; a form
    // that onForm leaves open is closed when it returns, as a user would close it.
    ErrorOr<void> ShowModalForm(Form& form) override;
    void MessageBoxEx(std::string_view sText, MessageIcon icon, std::string_view sTitle) override;
    ErrorOr<void> StartProgram(const std::string& sCommandLine, int16_t iWindowStyle) override;

    std::vector<std::string> Notifications() const;
    void Clear() { log.clear(); }

    int32_t lExtenderWidth = 1800;
    bool bHasWidth = true;
    bool bAcceptsParent = true;
    int32_t lClientWidth = 120;
    int32_t lClientHeight = 300;
    bool bWindowEnabled = true;
    PointL cursor;                  // in screen pixels
    PointL clientOrigin{300, 200};  // where the client area stands on the screen
    int widthChanges = 0;
    std::function<void()> onResize;
    // Called after each notification is recorded: a host may call back into the control here.
    std::function<void(const std::string&)> onNotify;
    // When set, requests go to it (a real downloader); otherwise they are only recorded.
    std::function<ErrorOr<void>(const std::string&, const std::string&)> downloader;

    std::vector<std::string> log;  // "PropertyChanged X", "Beep", "MessageBox TEXT"
    std::vector<Download> downloads;
    std::function<void(Form&)> onForm;
    std::vector<std::string> forms;    // captions, in the order shown
    std::vector<std::string> started;  // "STYLE COMMANDLINE"
    bool bStartFails = false;
};

// Records every MenuItemClick; a test may give it something to do inside the event.
class RecordingEvents : public TavrelEvents {
public:
    void MenuItemClick(int32_t& MenuNumber, int32_t& MenuItem) override;

    std::vector<std::pair<int32_t, int32_t>> clicks;
    std::function<void(int32_t& MenuNumber, int32_t& MenuItem)> during;
};

}  // namespace tavrel::testing
