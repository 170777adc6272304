#include "support/RecordingHost.h"

namespace tavrel::testing {

ErrorOr<int32_t> RecordingHost::ExtenderWidth() {
    if (!bHasWidth) return Failure{"the extender has no Width"};
    return lExtenderWidth;
}

ErrorOr<void> RecordingHost::SetExtenderWidth(int32_t lTwips) {
    if (!bHasWidth) return Failure{"the extender has no Width"};
    lExtenderWidth = lTwips;
    lClientWidth = lTwips / 15;
    ++widthChanges;
    if (onResize) onResize();
    return {};
}

ErrorOr<void> RecordingHost::AssignEmptyExtenderParent() {
    if (!bAcceptsParent) return Failure{"Parent is read-only"};
    return {};
}

void RecordingHost::NotifyPropertyChanged(std::string_view sName) {
    log.push_back("PropertyChanged " + std::string(sName));
    if (onNotify) onNotify(std::string(sName));
}

void RecordingHost::Beep() {
    log.push_back("Beep");
}

void RecordingHost::MessageBox(std::string_view sText) {
    log.push_back("MessageBox " + std::string(sText));
}

ErrorOr<void> RecordingHost::RequestDownload(const std::string& sTarget, DownloadKind /*kind*/,
                                             const std::string& sTag) {
    downloads.push_back({sTarget, sTag});
    if (downloader) return downloader(sTarget, sTag);
    return {};
}

ErrorOr<void> RecordingHost::ShowModalForm(Form& form) {
    forms.push_back(form.Caption());
    if (onForm) onForm(form);
    form.Close();
    return {};
}

void RecordingHost::MessageBoxEx(std::string_view sText, MessageIcon icon,
                                 std::string_view sTitle) {
    log.push_back("MessageBox " + std::string(sText) +
                  (icon == MessageIcon::Critical ? " [critical]" : "") +
                  (sTitle.empty() ? "" : " [" + std::string(sTitle) + "]"));
}

ErrorOr<void> RecordingHost::StartProgram(const std::string& sCommandLine, int16_t iWindowStyle) {
    started.push_back(std::to_string(iWindowStyle) + " " + sCommandLine);
    if (bStartFails) return Failure{"cannot start"};
    return {};
}

std::vector<std::string> RecordingHost::Notifications() const {
    std::vector<std::string> names;
    for (const std::string& line : log)
        if (line.rfind("PropertyChanged ", 0) == 0) names.push_back(line.substr(16));
    return names;
}

void RecordingEvents::MenuItemClick(int32_t& MenuNumber, int32_t& MenuItem) {
    clicks.emplace_back(MenuNumber, MenuItem);
    if (during) during(MenuNumber, MenuItem);
}

}  // namespace tavrel::testing
