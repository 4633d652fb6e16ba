#include "CommandLine.h"

#include "AppConstants.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace app {
namespace {

// Options QGuiApplication and QApplication take from the command line; they
// are Qt's to handle and are not shown in the help.
struct QtOption
{
    QStringView name;
    bool takesValue;
};
constexpr QtOption QtOptions[] = {
    {u"platform", true},
    {u"platformpluginpath", true},
    {u"platformtheme", true},
    {u"plugin", true},
    {u"qwindowgeometry", true},
    {u"qwindowicon", true},
    {u"qwindowtitle", true},
    {u"session", true},
    {u"style", true},
    {u"stylesheet", true},
    {u"display", true},
    {u"geometry", true},
    {u"name", true},
    {u"title", true},
    {u"visual", true},
    {u"qmljsdebugger", true},
    {u"reverse", false},
    {u"widgetcount", false},
    {u"nograb", false},
    {u"dograb", false},
    {u"sync", false},
};

QString versionText()
{
    return ApplicationTitle.toString() + u' ' + Version.toString() + u'\n';
}

QString helpText(const QCommandLineParser &parser, const QString &program)
{
    // The parser names the program only when an application object exists,
    // which it may not; the usage line is ours.
    QString text = parser.helpText();
    return QCoreApplication::translate("CommandLine", "Usage: %1 [options]").arg(program) +
           text.mid(text.indexOf(u'\n'));
}

} // namespace

CommandLineAnswer readCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Qt's options have one dash ("-platform xcb"); so may ours ("-help").
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Estimates the risk of type 2 diabetes from a short questionnaire."));
    const QCommandLineOption help(
        {u"h"_s, u"help"_s},
        QCoreApplication::translate("CommandLine", "Displays this help and exits."));
    const QCommandLineOption version(
        {u"v"_s, u"version"_s},
        QCoreApplication::translate("CommandLine", "Displays version information and exits."));
    parser.addOption(help);
    parser.addOption(version);
    for (const QtOption &qtOption : QtOptions) {
        QCommandLineOption option(qtOption.name.toString(), QString(),
                                  qtOption.takesValue ? u"value"_s : QString());
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const QString program =
        arguments.isEmpty() ? ExecutableName.toString() : QFileInfo(arguments.first()).fileName();
    if (!parser.parse(arguments))
        return {CommandLineAction::Refuse, program + u": "_s + parser.errorText() + u'\n'};
    if (const QStringList extra = parser.positionalArguments(); !extra.isEmpty())
        return {CommandLineAction::Refuse,
                program + u": "_s +
                    QCoreApplication::translate("CommandLine", "unexpected argument '%1'.")
                        .arg(extra.first()) +
                    u'\n'};
    if (parser.isSet(help))
        return {CommandLineAction::ShowHelp, helpText(parser, program)};
    if (parser.isSet(version))
        return {CommandLineAction::ShowVersion, versionText()};
    return {};
}

} // namespace app
