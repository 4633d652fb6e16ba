#include "ui/main/frmMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    frmMain mainWindow;
    mainWindow.show();
    return QApplication::exec();
}
