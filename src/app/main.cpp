#include "AppConstants.h"
#include "app/CommandLine.h"
#include "app/LocaleDecision.h"
#include "app/PlatformChoice.h"
#include "app/frmStartup.h"
#include "platform/Fontconfig.h"
#include "platform/Translators.h"

#include <QApplication>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Prints the help, the version or the refusal, in the user's language. A
// core application, which needs no display, carries the translations.
int answerCommandLine(int &argc, char *argv[], const QStringList &arguments)
{
    const QCoreApplication application(argc, argv);
    const platform::Translators translators(
        app::decideUserLocale(app::LocaleVariables::fromEnvironment()).translation);
    const app::CommandLineAnswer answer = app::readCommandLine(arguments);
    switch (answer.action) {
    case app::CommandLineAction::ShowHelp:
    case app::CommandLineAction::ShowVersion:
        std::fputs(answer.text.toLocal8Bit().constData(), stdout);
        return 0;
    case app::CommandLineAction::Refuse:
        std::fputs(answer.text.toLocal8Bit().constData(), stderr);
        return app::RefusedCommandLineStatus;
    case app::CommandLineAction::Run:
        break;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const QStringList arguments = argumentsOf(argc, argv);
    // Help, version and a refused command line are answered before any
    // window, setting or lock is touched.
    if (app::readCommandLine(arguments).action != app::CommandLineAction::Run)
        return answerCommandLine(argc, argv, arguments);

    // Fontconfig's set-up runs beside the program's own start.
    platform::preloadFontconfig();
    const QByteArray platformChoice =
        app::preferredPlatform({arguments, qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY")});
    if (!platformChoice.isEmpty())
        qputenv("QT_QPA_PLATFORM", platformChoice);
    QApplication application(argc, argv);
    // The choice was for this program only: the browser it starts makes its
    // own.
    if (!platformChoice.isEmpty())
        qunsetenv("QT_QPA_PLATFORM");
    // The user's locale, decided once: the language before the first message
    // box or window, and what the windows are made with. Qt's own widgets and
    // dialogs write numbers and dates in the same locale.
    const ui::UserLocale locale = app::decideUserLocale(app::LocaleVariables::fromEnvironment());
    const platform::Translators translators(locale.translation);
    QLocale::setDefault(locale.locale);

    // Ties the windows to the installed desktop entry and its icon (the
    // Wayland app id; under X11 the window class is the executable's name).
    QGuiApplication::setDesktopFileName(app::ApplicationId.toString());
    // The program ends through its quit routine, not when a window closes:
    // the exit screen replaces the main window.
    QApplication::setQuitOnLastWindowClosed(false);

    frmStartup controller(locale);
    controller.Form_Load();
    return QApplication::exec();
}
