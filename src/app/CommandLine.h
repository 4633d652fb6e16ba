#pragma once

#include <QString>
#include <QStringList>

// The program takes no arguments of its own but answers --help and
// --version, and refuses anything else it does not know, before any window
// opens or any setting is read. Qt's own options (-platform, -style, ...)
// pass through to Qt.
namespace app {

enum class CommandLineAction { Run, ShowHelp, ShowVersion, Refuse };

struct CommandLineAnswer
{
    CommandLineAction action = CommandLineAction::Run;
    // What to print: the help or version text on standard output, or the
    // one-line error on standard error.
    QString text;
};

// Exit status for a command line the program refuses.
inline constexpr int RefusedCommandLineStatus = 2;

// Reads the arguments (the program's path first). The texts are in the
// language of the installed translations, which need an application object.
CommandLineAnswer readCommandLine(const QStringList &arguments);

} // namespace app
