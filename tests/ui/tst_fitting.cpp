// The rules of fitting and placing a window's controls that hold whatever
// the language, the scale and the site names: run once, while
// tst_windowtext runs in every language and scale.

#include "ui/Controls.h"

#include <QTest>
#include <QWindow>

#include "support/WindowStates.h"

class FittingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A row drawn for a Latin line grows for a taller one within the room
    // its neighbours leave it: about its middle, else away from the side that
    // stops it. Each row: y, height, needed, room top and bottom; y, height.
    void row_growsWithinItsRoom_data()
    {
        QTest::addColumn<QList<int>>("row");
        QTest::newRow("fits") << QList<int>{380, 13, 13, 373, 398, 380, 13};
        QTest::newRow("aboutItsMiddle") << QList<int>{380, 13, 16, 373, 398, 379, 16};
        QTest::newRow("downFromTheTop") << QList<int>{20, 13, 16, 20, 398, 20, 16};
        QTest::newRow("upFromTheBottom") << QList<int>{385, 13, 16, 373, 397, 382, 16};
        QTest::newRow("noMoreThanTheRoom") << QList<int>{20, 13, 30, 20, 34, 20, 15};
    }

    void row_growsWithinItsRoom()
    {
        QFETCH(QList<int>, row);
        QCOMPARE(ui::grownToHeight(QRect(8, row[0], 256, row[1]), row[2], {row[3], row[4]}),
                 QRect(8, row[5], 256, row[6]));
    }

    void everyWindow_refusesMaximise_data()
    {
        QTest::addColumn<int>("state");
        for (std::size_t i = 0; i < support::windowStates().size(); ++i)
            QTest::newRow(support::windowStates()[i].tag) << int(i);
    }

    // As the maximise button Qt draws on Wayland does it.
    void everyWindow_refusesMaximise()
    {
        QFETCH(int, state);
        const support::Window window = support::windowStates()[std::size_t(state)].reach();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QSize designed = window->size();
        window->windowHandle()->setWindowStates(Qt::WindowMaximized);
        QTRY_VERIFY(!window->isMaximized() && !window->windowHandle()->windowStates());
        QCOMPARE(window->size(), designed);
    }
};

QTEST_MAIN(FittingTest)
#include "tst_fitting.moc"
