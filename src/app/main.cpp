#include "app/Forms.h"
#include "app/frmStartup.h"

#include <QApplication>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // Ties the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(u"example.orvaneboard.KeloDiabetesRiskCalculator"_s);
    // The program ends through its quit routine, not when a window closes:
    // the exit screen replaces the main window.
    QApplication::setQuitOnLastWindowClosed(false);

    forms::Startup().Form_Load();
    const int status = QApplication::exec();
    forms::DestroyAll();
    return status;
}
