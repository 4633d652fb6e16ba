#include "app/frmStartup.h"
#include "platform/ProcessEnd.h"
#include "ui/main/frmMain.h"

#include <QApplication>
#include <QTest>

class QuitProgramTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void quit_unloadsEveryFormAndEndsTheProcess()
    {
        int ends = 0;
        platform::ScopedProcessEnd recorder([&ends] { ++ends; });
        frmStartup startup;
        QPointer<frmMain> mainWindow = &startup.mainWindow();
        mainWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(mainWindow));

        // The controller's unload handler calls the routine again while the
        // first call is unloading the forms.
        startup.QuitProgram();

        QVERIFY(ends >= 1);
        QVERIFY(startup.loadedForms().isEmpty());
        QVERIFY(!startup.quitInProgress());
        QVERIFY(!mainWindow || !mainWindow->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(mainWindow.isNull());
    }

    void quit_withOnlyTheControllerLoaded()
    {
        int ends = 0;
        platform::ScopedProcessEnd recorder([&ends] { ++ends; });
        frmStartup startup;
        startup.QuitProgram();
        QVERIFY(ends >= 1);
        QVERIFY(startup.loadedForms().isEmpty());
        for (const QWidget *window : QApplication::topLevelWidgets())
            QVERIFY(!window->isVisible());
    }

    void unloadedForm_isLoadedAfreshWhenReferredTo()
    {
        platform::ScopedProcessEnd recorder([] {});
        frmStartup startup;
        QPointer<frmMain> first = &startup.mainWindow();
        startup.unload(first);
        QVERIFY(!startup.isLoaded(first));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        frmMain *second = &startup.mainWindow();
        QVERIFY(startup.isLoaded(second));
    }
};

QTEST_MAIN(QuitProgramTest)
#include "tst_quitprogram.moc"
