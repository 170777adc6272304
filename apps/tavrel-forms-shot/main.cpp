// tavrel-forms-shot FOLDER: renders the About box and the support window, as the Qt dialogs show
// them, to FOLDER/about.png and FOLDER/support.png (the pictures in docs/ come from it).
#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <string>

#include "about/AboutTavrel.h"
#include "control/DesignIcon.h"
#include "platform/qt/OffscreenGui.h"
#include "platform/qt/QtFormDialog.h"

namespace {

// The forms only need a host for their buttons and links, which nobody presses here.
class QuietHost final : public tavrel::Host {
public:
    tavrel::ErrorOr<int32_t> ExtenderWidth() override { return 0; }
    tavrel::ErrorOr<void> SetExtenderWidth(int32_t) override { return {}; }
    tavrel::ErrorOr<void> AssignEmptyExtenderParent() override { return {}; }
    int32_t ClientWidth() override { return 0; }
    int32_t ClientHeight() override { return 0; }
    void EnableWindow(bool) override {}
    tavrel::ErrorOr<PointL> GetCursorPos() override { return PointL{}; }
    tavrel::ErrorOr<PointL> ScreenToClient(PointL p) override { return p; }
    void NotifyPropertyChanged(std::string_view) override {}
    void Beep() override {}
    void MessageBox(std::string_view) override {}
    tavrel::ErrorOr<void> RequestDownload(const std::string&, DownloadKind,
                                          const std::string&) override {
        return {};
    }
    tavrel::ErrorOr<void> ShowModalForm(tavrel::Form&) override { return {}; }
    void MessageBoxEx(std::string_view, tavrel::MessageIcon, std::string_view) override {}
    tavrel::ErrorOr<void> StartProgram(const std::string&, int16_t) override { return {}; }
};

bool Shot(tavrel::Form& form, const std::string& path) {
    tavrel::qt::QtFormDialog dialog(form);
    dialog.show();
    QApplication::processEvents();
    return dialog.grab().save(QString::fromStdString(path), "PNG");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tavrel-forms-shot FOLDER\n");
        return 2;
    }
    tavrel::qt::OffscreenGui gui(argc, argv);
    QuietHost host;
    tavrel::AboutTavrel about(host, tavrel::DesignIcon());
    tavrel::FrmSupport support(host);
    const std::string folder = argv[1];
    if (!Shot(about, folder + "/about.png") || !Shot(support, folder + "/support.png")) {
        std::fprintf(stderr, "tavrel-forms-shot: cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
