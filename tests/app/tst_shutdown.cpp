#include "app/frmStartup.h"
#include "platform/ProcessEnd.h"
#include "ui/exit/frmExitScreen.h"
#include "ui/main/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "support/Recorders.h"

using namespace Qt::Literals::StringLiterals;

class ShutdownTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wholeRoad_mainWindowToExitScreenToTheEnd_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("fileExit") << true;
        QTest::newRow("closeBox") << false;
    }

    void wholeRoad_mainWindowToExitScreenToTheEnd()
    {
        QFETCH(bool, byMenu);
        int ends = 0;
        platform::ScopedProcessEnd recorder([&ends] { ++ends; });
        BrowserRecorder browser;
        MessageRecorder messages;
        frmStartup startup;
        QPointer<frmMain> mainWindow = &startup.mainWindow();
        mainWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(mainWindow));

        if (byMenu)
            mainWindow->findChild<QAction *>(u"mnuExit"_s)->trigger();
        else
            mainWindow->close();

        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(mainWindow.isNull());
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

        QTest::mouseClick(exitScreen.findChild<QPushButton *>(u"cmdClose"_s), Qt::LeftButton);

        QVERIFY(ends >= 1);
        QVERIFY(startup.loadedForms().isEmpty());
        QVERIFY(messages.requests.empty());
        for (const QWidget *window : QApplication::topLevelWidgets())
            QVERIFY(!window->isVisible());
    }

    void closingTheExitScreen_endsTheProgram()
    {
        int ends = 0;
        platform::ScopedProcessEnd recorder([&ends] { ++ends; });
        frmStartup startup;
        startup.exitScreen().show();
        startup.exitScreen().close();
        QVERIFY(ends >= 1);
        QVERIFY(startup.loadedForms().isEmpty());
    }
};

QTEST_MAIN(ShutdownTest)
#include "tst_shutdown.moc"
