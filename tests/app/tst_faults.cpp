#include "app/frmStartup.h"
#include "platform/ProcessEnd.h"
#include "ui/exit/frmExitScreen.h"
#include "ui/main/frmMain.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

#include <algorithm>
#include <array>

#include "support/Recorders.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// One thing that can end a form: unloading one of the three, or the quit
// routine itself.
enum class Step { Startup, Main, ExitScreen, Quit };

QString letters(const QList<Step> &steps)
{
    QString text;
    for (const Step step : steps)
        text += u"SMEQ"_s.at(static_cast<int>(step));
    return text;
}

bool anyWindowVisible()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(),
                       [](const QWidget *window) { return window->isVisible(); });
}

// Every request to end the process, with whether a form was still loaded when
// it came.
struct EndRecorder
{
    explicit EndRecorder(frmStartup &controller)
        : scope([this, &controller] {
            ++ends;
            loadedAtLastEnd = !controller.loadedForms().isEmpty();
        })
    {}
    int ends = 0;
    bool loadedAtLastEnd = false;
    platform::ScopedProcessEnd scope;
};

} // namespace

Q_DECLARE_METATYPE(QList<Step>)

class FaultsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The three forms are loaded in one of the orders the program can meet
    // (the controller, which loads the windows, always comes first), which is the order
    // the quit routine unloads them in. Then they are ended one by one in
    // every order, the quit routine among them, so that each unload handler
    // re-enters the routine from every position: first, while the routine is
    // unloading the others, and after everything has gone. Deferred deletions
    // either run between the steps or pile up until the end.
    void everyOrderOfUnloading_endsWithNothingLeft_data()
    {
        QTest::addColumn<QList<Step>>("loadOrder");
        QTest::addColumn<QList<Step>>("steps");
        QTest::addColumn<bool>("eventLoopBetween");

        const std::array<QList<Step>, 2> loadOrders = {
            QList<Step>{Step::Startup, Step::Main, Step::ExitScreen},
            QList<Step>{Step::Startup, Step::ExitScreen, Step::Main},
        };
        for (const QList<Step> &loadOrder : loadOrders) {
            QList<Step> steps{Step::Startup, Step::Main, Step::ExitScreen, Step::Quit};
            do {
                for (const bool eventLoopBetween : {false, true}) {
                    const QString name = u"load %1, end %2%3"_s.arg(
                        letters(loadOrder), letters(steps),
                        eventLoopBetween ? u", deletions between"_s : QString());
                    QTest::newRow(name.toUtf8().constData())
                        << loadOrder << steps << eventLoopBetween;
                }
            } while (std::next_permutation(steps.begin(), steps.end()));
        }
    }

    void everyOrderOfUnloading_endsWithNothingLeft()
    {
        QFETCH(QList<Step>, loadOrder);
        QFETCH(QList<Step>, steps);
        QFETCH(bool, eventLoopBetween);
        frmStartup controller;
        EndRecorder recorder(controller);
        MessageRecorder messages;
        BrowserRecorder browser;

        QPointer<frmMain> mainWindow;
        QPointer<frmExitScreen> exitScreen;
        for (const Step form : loadOrder) {
            if (form == Step::Main)
                mainWindow = &controller.mainWindow();
            else if (form == Step::ExitScreen)
                exitScreen = &controller.exitScreen();
        }
        QCOMPARE(controller.loadedForms().size(), qsizetype(3));
        mainWindow->show();
        exitScreen->show();

        bool quitting = false;
        for (const Step step : steps) {
            switch (step) {
            case Step::Startup:
                controller.unload(&controller);
                break;
            case Step::Main:
                controller.unload(mainWindow.get());
                break;
            case Step::ExitScreen:
                controller.unload(exitScreen.get());
                break;
            case Step::Quit:
                controller.QuitProgram();
                break;
            }
            QVERIFY(!controller.quitInProgress());
            // The main window alone hands over to the exit screen and the
            // program goes on; anything else ends it.
            quitting = quitting || step != Step::Main;
            QCOMPARE(recorder.ends > 0, quitting);
            if (quitting) {
                QVERIFY(controller.loadedForms().isEmpty());
                QVERIFY(!anyWindowVisible());
            } else {
                QVERIFY(!controller.isLoaded(mainWindow.get()));
                QVERIFY(exitScreen->isVisible());
            }
            if (eventLoopBetween)
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }

        QVERIFY(!recorder.loadedAtLastEnd);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(mainWindow.isNull());
        QVERIFY(exitScreen.isNull());
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
        QVERIFY(messages.requests.empty());
        QVERIFY(browser.addresses.empty());
    }

    // A second call, say from a late click on Exit, finds nothing to unload,
    // brings no window back and asks for the end again.
    void quitTwiceInARow_data()
    {
        QTest::addColumn<bool>("withExitScreen");
        QTest::addColumn<bool>("eventLoopBetween");
        QTest::newRow("main window") << false << false;
        QTest::newRow("main window, deletions between") << false << true;
        QTest::newRow("main window and exit screen") << true << false;
        QTest::newRow("main window and exit screen, deletions between") << true << true;
    }

    void quitTwiceInARow()
    {
        QFETCH(bool, withExitScreen);
        QFETCH(bool, eventLoopBetween);
        frmStartup controller;
        EndRecorder recorder(controller);
        MessageRecorder messages;
        controller.mainWindow().show();
        if (withExitScreen)
            controller.exitScreen().show();

        controller.QuitProgram();
        const int endsAfterFirst = recorder.ends;
        QVERIFY(endsAfterFirst >= 1);
        if (eventLoopBetween)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        controller.QuitProgram();

        QCOMPARE(recorder.ends, endsAfterFirst + 1);
        QVERIFY(!recorder.loadedAtLastEnd);
        QVERIFY(!controller.quitInProgress());
        QVERIFY(!anyWindowVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
        QVERIFY(messages.requests.empty());
    }
};

QTEST_MAIN(FaultsTest)
#include "tst_faults.moc"
