#include "app/frmStartup.h"
#include "platform/ProcessEnd.h"
#include "ui/exit/frmExitScreen.h"
#include "ui/main/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "support/Recorders.h"

using namespace Qt::Literals::StringLiterals;

namespace {

bool anyWindowVisible()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(),
                       [](const QWidget *window) { return window->isVisible(); });
}

} // namespace

// The roads out of the program a user has: the main window by File > Exit or
// its close box, then the exit screen by its Exit button or its close box;
// and the quit routine asked again while it runs or after it has run.
class ShutdownTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wholeRoad_mainWindowToExitScreenToTheEnd_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::addColumn<bool>("byExitButton");
        QTest::newRow("fileExitThenExitButton") << true << true;
        QTest::newRow("fileExitThenCloseBox") << true << false;
        QTest::newRow("closeBoxThenExitButton") << false << true;
        QTest::newRow("closeBoxThenCloseBox") << false << false;
    }

    void wholeRoad_mainWindowToExitScreenToTheEnd()
    {
        QFETCH(bool, byMenu);
        QFETCH(bool, byExitButton);
        int ends = 0;
        platform::ScopedProcessEnd recorder([&ends] { ++ends; });
        BrowserRecorder browser;
        MessageRecorder messages;
        frmStartup startup;
        frmMain &mainWindow = startup.mainWindow();
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));

        if (byMenu)
            mainWindow.findChild<QAction *>(u"mnuExit"_s)->trigger();
        else
            mainWindow.close();

        QVERIFY(!mainWindow.isVisible());
        QCOMPARE(ends, 0);
        frmExitScreen &exitScreen = startup.exitScreen();
        QVERIFY(exitScreen.isVisible());
        QVERIFY(exitScreen.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(QTest::qWaitForWindowActive(&exitScreen));
        QCOMPARE(QApplication::focusWidget()->objectName(), u"cmdClose"_s);

        auto type = [&exitScreen](const QString &box, const QString &text) {
            auto *edit = exitScreen.findChild<QLineEdit *>(box);
            edit->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(edit, text);
        };
        type(u"txtName"_s, u"Ann"_s);
        type(u"txtEmail"_s, u"ann@example.org"_s);
        type(u"txtFriendName"_s, u"Bob"_s);
        type(u"txtFriendEmail"_s, u"bob@example.org"_s);
        QTest::mouseClick(exitScreen.findChild<QPushButton *>(u"cmdSubmit"_s), Qt::LeftButton);
        QCOMPARE(browser.addresses.size(), size_t(1));
        QVERIFY(browser.addresses.front().contains(u"taf5=bob%40example.org"_s));

        if (byExitButton)
            QTest::mouseClick(exitScreen.findChild<QPushButton *>(u"cmdClose"_s), Qt::LeftButton);
        else
            exitScreen.close();

        QCOMPARE(ends, 1);
        QVERIFY(messages.requests.empty());
        QVERIFY(!anyWindowVisible());
    }

    // A late click on Exit, or the windows' own closing while the routine
    // closes them, asks for nothing more and brings no window back.
    void quitProgram_endsOnceWhateverIsOpen_data()
    {
        QTest::addColumn<bool>("mainWindow");
        QTest::addColumn<bool>("exitScreen");
        QTest::newRow("noWindowYet") << false << false;
        QTest::newRow("mainWindow") << true << false;
        QTest::newRow("bothWindows") << true << true;
    }

    void quitProgram_endsOnceWhateverIsOpen()
    {
        QFETCH(bool, mainWindow);
        QFETCH(bool, exitScreen);
        int ends = 0;
        platform::ScopedProcessEnd recorder([&ends] { ++ends; });
        frmStartup startup;
        if (mainWindow)
            startup.mainWindow().show();
        if (exitScreen)
            startup.exitScreen().show();

        startup.QuitProgram();
        startup.QuitProgram();

        QCOMPARE(ends, 1);
        QVERIFY(!anyWindowVisible());
    }
};

QTEST_MAIN(ShutdownTest)
#include "tst_shutdown.moc"
