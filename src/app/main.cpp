#include "app/Forms.h"
#include "app/frmStartup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // The program ends through its quit routine, not when a window closes:
    // the exit screen replaces the main window.
    QApplication::setQuitOnLastWindowClosed(false);

    forms::Startup().Form_Load();
    const int status = QApplication::exec();
    forms::DestroyAll();
    return status;
}
