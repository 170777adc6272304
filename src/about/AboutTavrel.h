#pragma once

#include <string>

#include "platform/Form.h"
#include "platform/Host.h"
#include "platform/Registry.h"

namespace tavrel {

// The About box: product name and version, where to report bugs, the maker's support links, the
// system information program and the support window.
class AboutTavrel final : public Form {
public:
    static constexpr const char* kTitle = "About Norvane Tavrel ActiveX Control 1.2";
    static constexpr const char* kLinkFailureTitle = "Norvane Tavrel ActiveX Control 1.0";
    static constexpr const char* kMailFailure =
        "Sorry, can't find your e-mail program! E-mail not sended!";
    static constexpr const char* kBrowserFailure = "Sorry, can't find your Internet browser!";
    static constexpr const char* kSysInfoUnavailable =
        "System Information Is Unavailable At This Time";
    static constexpr const char* kPrimaryAddress = "support@example.org";
    static constexpr const char* kSecondAddress = "developers@example.org";
    static constexpr const char* kMailSubject =
        "?Subject=Report for Norvane Tavrel ActiveX Control 1.0";

    // `icon` is the product's icon: the window's and the two images'.
    AboutTavrel(Host& host, Picture icon);

    void Click(const std::string& sControl) override;
    void MouseMove(const std::string& sControl) override;

    void StartSysInfo();
    bool GetKeyValue(HKEY KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                     std::string& KeyVal);

    // Runs "Start.exe " + target hidden; when it cannot start, the message with the critical icon.
    static void OpenLink(Host& host, const std::string& sTarget, const char* sFailure);

private:
    Host& host_;
};

// The support window: the maker's e-mail, bulletin-board systems and web sites.
class FrmSupport final : public Form {
public:
    static constexpr const char* kTitle = "Technical Support";
    static constexpr const char* kFirstSite = "https://tavrel.example.org/";
    static constexpr const char* kSecondSite = "https://www.example.org/tavrel/";

    explicit FrmSupport(Host& host);

    void Click(const std::string& sControl) override;
    void MouseMove(const std::string& sControl) override;

private:
    Host& host_;
};

}  // namespace tavrel
