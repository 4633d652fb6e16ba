#include "app/CommandLine.h"
#include "app/PlatformChoice.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using app::CommandLineAction;

Q_DECLARE_METATYPE(app::CommandLineAction)

class CommandLineTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readCommandLine_answersOrRefuses_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<CommandLineAction>("action");
        QTest::addColumn<QString>("printed");
        QTest::newRow("nothing") << QStringList() << CommandLineAction::Run << QString();
        QTest::newRow("help") << QStringList{u"--help"_s} << CommandLineAction::ShowHelp
                              << u"Usage: KeloFreeDiabetesRiskCalculator [options]\n"_s;
        QTest::newRow("helpShort") << QStringList{u"-h"_s} << CommandLineAction::ShowHelp
                                   << u"-v, --version"_s;
        QTest::newRow("version") << QStringList{u"--version"_s} << CommandLineAction::ShowVersion
                                 << u"Kelo Diabetes Risk Calculator 1.10\n"_s;
        QTest::newRow("versionShort") << QStringList{u"-v"_s} << CommandLineAction::ShowVersion
                                      << u"1.10"_s;
        QTest::newRow("qtPlatform") << QStringList{u"-platform"_s, u"xcb"_s}
                                    << CommandLineAction::Run << QString();
        QTest::newRow("qtStyleAndSession")
            << QStringList{u"-style=fusion"_s, u"-session"_s, u"1234"_s, u"-reverse"_s}
            << CommandLineAction::Run << QString();
        QTest::newRow("unknown") << QStringList{u"--bogus"_s} << CommandLineAction::Refuse
                                 << u"KeloFreeDiabetesRiskCalculator: Unknown option 'bogus'.\n"_s;
        QTest::newRow("qtOptionWithoutValue")
            << QStringList{u"-platform"_s} << CommandLineAction::Refuse << u"'-platform'"_s;
        QTest::newRow("argument") << QStringList{u"notes.txt"_s} << CommandLineAction::Refuse
                                  << u"unexpected argument 'notes.txt'"_s;
        QTest::newRow("helpAfterUnknown")
            << QStringList{u"-x"_s, u"--help"_s} << CommandLineAction::Refuse << u"'x'"_s;
    }

    void readCommandLine_answersOrRefuses()
    {
        QFETCH(QStringList, options);
        QFETCH(CommandLineAction, action);
        QFETCH(QString, printed);
        const app::CommandLineAnswer answer = app::readCommandLine(
            QStringList{u"/usr/bin/KeloFreeDiabetesRiskCalculator"_s} + options);
        QCOMPARE(answer.action, action);
        QVERIFY2(answer.text.contains(printed), qPrintable(answer.text));
        if (action == CommandLineAction::Refuse)
            QCOMPARE(answer.text.count(u'\n'), 1);
    }

    void preferredPlatform_xcbWhereAnXServerIsReachable_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("xServer") << QStringList() << QByteArray() << ":0"_ba << "xcb;wayland"_ba;
        QTest::newRow("waylandOnly") << QStringList() << QByteArray() << QByteArray()
                                     << QByteArray();
        QTest::newRow("userVariable") << QStringList() << "wayland"_ba << ":0"_ba << QByteArray();
        QTest::newRow("userOption") << QStringList{u"-platform"_s, u"wayland"_s} << QByteArray()
                                    << ":0"_ba << QByteArray();
        QTest::newRow("userOptionTwoDashes") << QStringList{u"--platform=wayland"_s}
                                             << QByteArray() << ":0"_ba << QByteArray();
        QTest::newRow("otherOption") << QStringList{u"-style"_s, u"fusion"_s} << QByteArray()
                                     << ":1"_ba << "xcb;wayland"_ba;
    }

    void preferredPlatform_xcbWhereAnXServerIsReachable()
    {
        QFETCH(QStringList, options);
        QFETCH(QByteArray, variable);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, expected);
        QCOMPARE(app::preferredPlatform({QStringList{u"program"_s} + options, variable, display}),
                 expected);
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
