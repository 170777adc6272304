// tavrel-forms-shot FOLDER: renders the About box and the support window, as the Qt dialogs show
// them, to FOLDER/about.png and FOLDER/support.png (the pictures in docs/ come from it).
#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <string>

#include "about/AboutTavrel.h"
#include "control/DesignIcon.h"
#include "platform/NullHost.h"
#include "platform/qt/OffscreenGui.h"
#include "platform/qt/QtFormDialog.h"

namespace {

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
    tavrel::NullHost host;  // nobody presses a button here
    tavrel::AboutTavrel about(host, tavrel::DesignIcon());
    tavrel::FrmSupport support(host);
    const std::string folder = argv[1];
    if (!Shot(about, folder + "/about.png") || !Shot(support, folder + "/support.png")) {
        std::fprintf(stderr, "tavrel-forms-shot: cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
