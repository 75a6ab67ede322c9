#include "tray/CVornSysTrayApp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QuorTray"));
    CVornSysTrayApp app;
    if (!app.InitInstance())
        return app.ExitInstance(0);
    return app.ExitInstance(app.Run());
}
