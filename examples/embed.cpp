// The example of the README: a window with the bar, a settings file loaded, MenuItemClick
// connected.
#include <QApplication>
#include <QMessageBox>

#include "control/Tavrel.h"
#include "platform/qt/TavrelWidget.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tavrel::qt::TavrelWidget bar;
    if (auto loaded = bar.LoadInstance("examples/demo.json"); loaded.IsError())
        QMessageBox::warning(nullptr, "Tavrel", QString::fromStdString(loaded.Error().sReason));
    QObject::connect(&bar, &tavrel::qt::TavrelWidget::MenuItemClick,
                     [](int menu, int item) { qInfo("menu %d, item %d", menu, item); });
    bar.Control().MenuCur(2);  // properties address the current menu and item
    bar.show();
    return app.exec();
}
