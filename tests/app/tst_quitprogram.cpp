#include "app/Forms.h"
#include "app/QuitProgram.h"
#include "app/frmStartup.h"
#include "platform/ProcessEnd.h"
#include "ui/main/frmMain.h"

#include <QApplication>
#include <QTest>

class QuitProgramTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { forms::DestroyAll(); }

    void quit_unloadsEveryFormAndEndsTheProcess()
    {
        int ends = 0;
        platform::ScopedProcessEnd recorder([&ends] { ++ends; });
        QPointer<frmStartup> startup = &forms::Startup();
        QPointer<frmMain> mainWindow = &forms::Main();
        mainWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(mainWindow));

        // The controller's unload handler calls the routine again while the
        // first call is unloading the forms.
        app::QuitProgram();

        QVERIFY(ends >= 1);
        QVERIFY(forms::Loaded().isEmpty());
        QVERIFY(!app::QuitInProgress());
        QVERIFY(!mainWindow || !mainWindow->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(startup.isNull());
        QVERIFY(mainWindow.isNull());
    }

    void quit_withOnlyTheControllerLoaded()
    {
        int ends = 0;
        platform::ScopedProcessEnd recorder([&ends] { ++ends; });
        forms::Startup();
        app::QuitProgram();
        QVERIFY(ends >= 1);
        QVERIFY(forms::Loaded().isEmpty());
        for (const QWidget *window : QApplication::topLevelWidgets())
            QVERIFY(!window->isVisible());
    }

    void unloadedForm_isLoadedAfreshWhenReferredTo()
    {
        platform::ScopedProcessEnd recorder([] {});
        frmMain *first = &forms::Main();
        forms::Unload(first);
        QVERIFY(!forms::IsLoaded(first));
        frmMain *second = &forms::Main();
        QVERIFY(forms::IsLoaded(second));
        QVERIFY(second != first);
    }
};

QTEST_MAIN(QuitProgramTest)
#include "tst_quitprogram.moc"
