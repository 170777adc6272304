#include "about/AboutTavrel.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "platform/Variant.h"

namespace tavrel {

namespace {

using Kind = DialogControl::Kind;

constexpr Color kRed = 0x0000FF;
constexpr Color kBlue = 0xFF0000;
constexpr uint32_t kKeyAccess = KEY_ALL_BUT_DELETE;
constexpr size_t kValueBuffer = 1024;
constexpr int16_t kHidden = 0;
constexpr int16_t kNormalFocus = 1;

DialogControl Label(std::string name, std::string caption, int32_t left, int32_t top, int32_t width,
                    int32_t height = 255) {
    DialogControl c;
    c.sName = std::move(name);
    c.sCaption = std::move(caption);
    c.lLeft = left;
    c.lTop = top;
    c.lWidth = width;
    c.lHeight = height;
    return c;
}

DialogControl Link(std::string name, std::string caption, std::string tip, int32_t left,
                   int32_t top, int32_t width, Color color) {
    DialogControl c = Label(std::move(name), std::move(caption), left, top, width);
    c.bBold = true;
    c.bHandCursor = true;
    c.sToolTip = std::move(tip);
    c.foreColor = color;
    return c;
}

DialogControl Button(std::string name, std::string caption, int32_t left, int32_t top,
                     int32_t width) {
    DialogControl c = Label(std::move(name), std::move(caption), left, top, width, 375);
    c.kind = Kind::Button;
    return c;
}

// A file-existence test that reads the Windows separator as the platform's.
bool FileExists(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    std::error_code ignored;
    return std::filesystem::is_regular_file(path, ignored);
}

std::string Hex(unsigned value, bool bTwoDigits) {
    char digits[8];
    std::snprintf(digits, sizeof digits, bTwoDigits ? "%02X" : "%X", value);
    return digits;
}

}  // namespace

AboutTavrel::AboutTavrel(Host& host, Picture icon) : Form(kTitle, 6630, 4830, icon), host_(host) {
    DialogControl product = Label("Label1", "Tavrel ActiveX Control 1.2", 1200, 180, 5200, 480);
    product.dFontPoints = 16;
    product.bBold = true;
    product.bItalic = true;
    product.foreColor = kBlue;
    Add(product);
    Add(Label("Label12", "Version : 1.2", 1200, 700, 3000));
    Add(Label("Label2", "Made for Qt 6 applications and every host of the Tavrel control", 1200,
              960, 5200));
    Add(Label("Label3",
              "Please report any bugs of Norvane Tavrel ActiveX Control 1.01. Send a e-mail to :-",
              240, 1440, 6200));
    Add(Link("Label13", kPrimaryAddress, "Report bugs? E-mail me!", 240, 1740, 3000, kBlack));
    Add(Link("Label6", std::string(kSecondAddress) + " (for developers embedding the bar)",
             "You Can also E-mail me.", 240, 2040, 6000, kBlack));
    Add(Label("Label7", "Made by the Tavrel project", 240, 2520, 6000));
    Add(Label("Label5", "With thanks to everyone who reported a bug", 240, 2780, 6000));
    Add(Label("Label8", "Icons drawn by the Tavrel project", 240, 3040, 6000));
    Add(Label("Label4", "Free to use in your applications", 240, 3300, 6000));
    DialogControl image1 = Label("Image1", "", 240, 180, 480, 480);
    image1.kind = Kind::Image;
    image1.picture = icon;
    Add(image1);
    DialogControl image2 = Label("Image2", "", 6000, 3960, 480, 480);
    image2.kind = Kind::Image;
    image2.picture = icon;
    Add(image2);
    Add(Button("Command1", "O&K", 240, 4200, 1215));
    Add(Button("Command2", "&Technical Support", 1560, 4200, 2000));
    Add(Button("Command3", "&System Info", 3660, 4200, 1500));
}

void AboutTavrel::Click(const std::string& sControl) {
    if (sControl == "Command1" || sControl == "Image1") {
        Close();
    } else if (sControl == "Command2") {
        FrmSupport support(host_);
        (void)host_.ShowModalForm(support);
    } else if (sControl == "Command3") {
        StartSysInfo();
    } else if (sControl == "Label13") {
        OpenLink(host_, std::string("mailto:") + kPrimaryAddress + kMailSubject, kMailFailure);
    } else if (sControl == "Label6") {
        OpenLink(host_, std::string("mailto:") + kSecondAddress + kMailSubject, kMailFailure);
    }
}

void AboutTavrel::MouseMove(const std::string& sControl) {
    DialogControl& primary = *Find("Label13");
    DialogControl& second = *Find("Label6");
    if (sControl == "Label13") {
        primary.foreColor = kRed;
    } else if (sControl == "Label6") {
        second.foreColor = kBlue;
        second.bUnderline = true;
    } else if (sControl.empty()) {
        primary.foreColor = kBlack;
        second.bUnderline = false;
        second.foreColor = kBlack;
    }
}

void AboutTavrel::OpenLink(Host& host, const std::string& sTarget, const char* sFailure) {
    if (host.StartProgram("Start.exe " + sTarget, kHidden).IsError())
        host.MessageBoxEx(sFailure, MessageIcon::Critical, kLinkFailureTitle);
}

void AboutTavrel::StartSysInfo() {
    std::string path;
    bool bFound =
        GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path);
    if (!bFound) {
        std::string folder;
        if (GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                        folder) &&
            FileExists(folder + "\\MSINFO32.EXE")) {
            path = folder + "\\MSINFO32.EXE";
            bFound = true;
        }
    }
    if (!bFound || host_.StartProgram(path, kNormalFocus).IsError())
        host_.MessageBoxEx(kSysInfoUnavailable, MessageIcon::None, "");
}

bool AboutTavrel::GetKeyValue(HKEY KeyRoot, const std::string& KeyName,
                              const std::string& SubKeyRef, std::string& KeyVal) {
    HKEY hKey = 0;
    bool bResult = false;
    if (RegOpenKeyExA(KeyRoot, KeyName, 0, kKeyAccess, &hKey) != ERROR_SUCCESS) {
        KeyVal.clear();
    } else {
        std::array<uint8_t, kValueBuffer> buffer{};
        uint32_t size = kValueBuffer;
        uint32_t type = 0;
        if (RegQueryValueExA(hKey, SubKeyRef, nullptr, &type, buffer.data(), &size) !=
            ERROR_SUCCESS) {
            KeyVal.clear();
        } else {
            // The reported size counts a closing NUL when the value has one.
            std::string text(reinterpret_cast<const char*>(buffer.data()), size);
            if (size > 0 && text[size - 1] == '\0') text.resize(size - 1);
            if (type == REG_SZ) {
                KeyVal = text;
            } else if (type == REG_DWORD) {
                // Most significant byte first; every byte after it with both its digits, so that
                // 0x05 0x1A reads as 1A05 and not 1A5.
                for (size_t i = text.size(); i-- > 0;)
                    KeyVal += Hex(static_cast<unsigned char>(text[i]), i + 1 != text.size());
                KeyVal = "&h" + KeyVal;
                const ErrorOr<int32_t> number = conversion::ToInt32(KeyVal);
                if (!number.IsError()) KeyVal = std::to_string(number.Value());
            }
            bResult = true;
        }
    }
    RegCloseKey(hKey);
    return bResult;
}

// --- the support window -------------------------------------------------------------------------

FrmSupport::FrmSupport(Host& host) : Form(kTitle, 6060, 6840), host_(host) {
    const Color linkColor = SystemColor(SystemColorIndex::ButtonText);
    Add(Label("Label2", "E-mail (Using Internet) :", 240, 240, 5600));
    Add(Link("Label3", AboutTavrel::kPrimaryAddress, "E-mail me", 480, 540, 4000, linkColor));
    Add(Label("Label4", "E-mail through bulletin-board systems: write to the user TAVREL SUPPORT",
              240, 1020, 5600, 480));
    // Seven bulletin-board systems, with fictional names and fictional numbers.
    const std::vector<std::pair<const char*, std::vector<const char*>>> boards = {
        {"Harbour Light BBS", {"+1 555 0100", "+1 555 0101"}},
        {"Quiet Meadow BBS", {"+1 555 0102"}},
        {"Copper Kettle BBS", {"+1 555 0103", "+1 555 0104", "+1 555 0105"}},
        {"North Ridge BBS", {"+1 555 0106"}},
        {"Paper Lantern BBS", {"+1 555 0107", "+1 555 0108"}},
        {"Blue Heron BBS", {"+1 555 0109", "+1 555 0110"}},
        {"Old Mill BBS", {"+1 555 0111"}},
    };
    int label = 5, numberLabel = 12;
    int32_t top = 1620;
    for (const auto& [name, numbers] : boards) {
        Add(Label("Label" + std::to_string(label++), name, 240, top, 2400));
        int32_t left = 2700;
        for (const char* number : numbers) {
            Add(Label("Label" + std::to_string(numberLabel++), number, left, top, 1100));
            left += 1120;
        }
        top += 420;
    }
    Add(Label("Label1", "Web Site ", 240, 4800, 2000));
    const std::string tip = "Goto my web site - Tavrel project";
    Add(Link("Label24", kFirstSite, tip, 480, 5100, 4500, linkColor));
    Add(Link("Label25", kSecondSite, tip, 480, 5400, 4500, linkColor));
    Add(Button("Command1", "&OK", 2400, 6120, 1215));
}

void FrmSupport::Click(const std::string& sControl) {
    if (sControl == "Command1") {
        Close();
    } else if (sControl == "Label3") {
        AboutTavrel::OpenLink(
            host_,
            std::string("mailto:") + AboutTavrel::kPrimaryAddress + AboutTavrel::kMailSubject,
            AboutTavrel::kMailFailure);
    } else if (sControl == "Label24") {
        AboutTavrel::OpenLink(host_, kFirstSite, AboutTavrel::kBrowserFailure);
    } else if (sControl == "Label25") {
        AboutTavrel::OpenLink(host_, kSecondSite, AboutTavrel::kBrowserFailure);
    }
}

void FrmSupport::MouseMove(const std::string& sControl) {
    const bool bOnLink = sControl == "Label3" || sControl == "Label24" || sControl == "Label25";
    if (!bOnLink && !sControl.empty()) return;  // other labels and the button do not react
    for (const char* link : {"Label3", "Label24", "Label25"}) {
        DialogControl& c = *Find(link);
        c.foreColor = link == sControl ? kRed : kBlack;
        c.bUnderline = false;
    }
}

}  // namespace tavrel
