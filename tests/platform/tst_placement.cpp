// Where windows and message boxes appear and how wide a box is: centred once
// the window's size is final, never with the title bar off the screen, and
// wide enough to show the whole caption.

#include "AppConstants.h"
#include "platform/MessageBox.h"
#include "platform/WindowPlacement.h"
#include "ui/about/frmAbout.h"
#include "ui/exit/frmExitScreen.h"
#include "ui/main/frmMain.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QIcon>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <functional>
#include <memory>

using namespace Qt::Literals::StringLiterals;

class PlacementTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void centredPosition_keepsTheTitleBarOnScreen_data()
    {
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("expected");
        const QRect screen(0, 0, 1280, 1024);
        QTest::newRow("fits") << QSize(480, 364) << screen << QPoint(400, 330);
        QTest::newRow("fitsExactly") << QSize(1280, 1024) << screen << QPoint(0, 0);
        QTest::newRow("wider") << QSize(1482, 630) << screen << QPoint(0, 197);
        QTest::newRow("tallerAndWider") << QSize(1500, 1100) << screen << QPoint(0, 0);
        QTest::newRow("panelAboveAndLeft")
            << QSize(480, 364) << QRect(60, 30, 1220, 994) << QPoint(430, 345);
        QTest::newRow("tallerThanAreaBelowPanel")
            << QSize(600, 1000) << QRect(0, 40, 1280, 984) << QPoint(340, 40);
    }

    void centredPosition_keepsTheTitleBarOnScreen()
    {
        QFETCH(QSize, frame);
        QFETCH(QRect, available);
        QFETCH(QPoint, expected);
        QCOMPARE(platform::centredPosition(frame, available), expected);
    }

    void windows_appearCentredOnTheScreen_data()
    {
        using Make = std::function<std::unique_ptr<QWidget>()>;
        QTest::addColumn<Make>("make");
        QTest::newRow("main") << Make([] { return std::make_unique<frmMain>(); });
        QTest::newRow("exitScreen") << Make([] {
            return std::make_unique<frmExitScreen>(QIcon(app::ApplicationIconResource.toString()));
        });
        QTest::newRow("about") << Make([] { return std::make_unique<frmAbout>(); });
    }

    void windows_appearCentredOnTheScreen()
    {
        QFETCH(std::function<std::unique_ptr<QWidget>()>, make);
        const std::unique_ptr<QWidget> window = make();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        // The frame's size is known only once it is shown, so the window may
        // be off by as much as its frame adds (the title bar's height).
        const QPoint offset =
            window->frameGeometry().center() - window->screen()->availableGeometry().center();
        const QSize frame = window->frameGeometry().size() - window->size();
        QVERIFY2(std::abs(offset.x()) <= frame.width() && std::abs(offset.y()) <= frame.height(),
                 qPrintable(u"off centre by (%1, %2)"_s.arg(offset.x()).arg(offset.y())));
    }

    // A real box, read and closed as soon as it shows. One with no window to
    // stand over is kept above every window, so that no window another
    // program keeps above the others can hide it; one with a window stacks
    // with that window.
    void messageBox_isWideEnoughForItsCaption_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("owned");
        QTest::newRow("name") << u"Please enter your name"_s << true;
        QTest::newRow("alreadyRunning") << u"Application is already running"_s << false;
        QTest::newRow("proper") << u"Please Enter Proper Email Address"_s << false;
    }

    void messageBox_isWideEnoughForItsCaption()
    {
        QFETCH(QString, text);
        QFETCH(bool, owned);
        QWidget owner;
        if (owned)
            owner.show();
        int boxWidth = 0;
        bool keptAbove = false;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&] {
            if (QWidget *box = QApplication::activeModalWidget()) {
                boxWidth = box->width();
                keptAbove = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        closer.start(10);
        platform::showMessage(owned ? &owner : nullptr, text, platform::MessageIcon::Critical);
        QCOMPARE(keptAbove, !owned);

        // Title bars set the caption in bold beside the window icon and up to
        // three buttons; about 100 pixels hold those on common desktops.
        QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
        titleFont.setBold(true);
        const int caption =
            QFontMetrics(titleFont).horizontalAdvance(app::ApplicationTitle.toString());
        QVERIFY2(boxWidth >= caption + 100,
                 qPrintable(u"box %1 px, caption %2 px"_s.arg(boxWidth).arg(caption)));
    }
};

QTEST_MAIN(PlacementTest)
#include "tst_placement.moc"
