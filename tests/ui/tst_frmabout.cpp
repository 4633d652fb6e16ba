#include "AppConstants.h"
#include "links/PageAddresses.h"
#include "platform/UrlOpener.h"
#include "ui/LinkLabel.h"
#include "ui/about/frmAbout.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "support/Recorders.h"
#include "support/ShownWindow.h"

#include <vector>

using namespace Qt::Literals::StringLiterals;

class FrmAboutTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void closes_byEachRoadAndDoesNothingElse_data()
    {
        QTest::addColumn<QString>("road");
        QTest::newRow("enter") << u"enter"_s;
        QTest::newRow("escape") << u"escape"_s;
        QTest::newRow("clickOk") << u"clickOk"_s;
        QTest::newRow("closeBox") << u"closeBox"_s;
    }

    void closes_byEachRoadAndDoesNothingElse()
    {
        QFETCH(QString, road);
        BrowserRecorder browser;
        ShownWindow<frmAbout> shown;
        QVERIFY(shown.active);
        frmAbout &about = shown.form;
        QCOMPARE(shown.focusName(), u"cmdOK"_s);
        QSignalSpy finished(&about, &QDialog::finished);

        if (road == u"enter")
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        else if (road == u"escape")
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else if (road == u"clickOk")
            QTest::mouseClick(about.findChild<QPushButton *>(u"cmdOK"_s), Qt::LeftButton);
        else
            about.close();

        QCOMPARE(finished.size(), 1);
        QVERIFY(!about.isVisible());
        QVERIFY(browser.addresses.empty());
    }

    void enterPressesOk_evenWithTheFocusOnTheIcon()
    {
        ShownWindow<frmAbout> shown;
        QVERIFY(shown.active);
        frmAbout &about = shown.form;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(shown.focusName(), u"picIcon"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(shown.focusName(), u"cmdOK"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!about.isVisible());
    }

    void links_openTheirPagesAndLeaveTheWindowOpen_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("address");
        QTest::newRow("homePage") << u"lblHomePage"_s << links::HomePageAddress;
        // The "more details" link of the full-branding offer.
        QTest::newRow("moreDetails") << u"lblCoBrand"_s << links::FullyBrandedPageAddress;
    }

    void links_openTheirPagesAndLeaveTheWindowOpen()
    {
        QFETCH(QString, label);
        QFETCH(QString, address);
        BrowserRecorder browser;
        ShownWindow<frmAbout> shown;
        QVERIFY(shown.active);
        frmAbout &about = shown.form;
        auto *link = about.findChild<LinkLabel *>(label);
        QCOMPARE(link->cursor().shape(), Qt::BitmapCursor);

        QTest::mouseClick(link, Qt::LeftButton);
        QTest::mouseClick(link, Qt::LeftButton);

        QCOMPARE(browser.addresses, (std::vector<QString>{address, address}));
        QVERIFY(about.isVisible());
    }

    void link_pressedOnLabelButReleasedElsewhereDoesNothing()
    {
        BrowserRecorder browser;
        ShownWindow<frmAbout> shown;
        QVERIFY(shown.active);
        frmAbout &about = shown.form;
        auto *link = about.findChild<LinkLabel *>(u"lblHomePage"_s);
        QTest::mousePress(link, Qt::LeftButton);
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(-5, -5));
        QTest::mouseClick(link, Qt::RightButton);
        QVERIFY(browser.addresses.empty());
    }

    void links_offerScreenReadersAPressActionButNoFocus()
    {
        BrowserRecorder browser;
        ShownWindow<frmAbout> shown;
        QVERIFY(shown.active);
        frmAbout &about = shown.form;
        auto *link = about.findChild<LinkLabel *>(u"lblCoBrand"_s);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(link);
        QVERIFY(accessible);
        QCOMPARE(accessible->role(), QAccessible::Link);
        QCOMPARE(accessible->text(QAccessible::Name), u"Click here for more details."_s);
        QVERIFY(!accessible->state().focusable);
        QAccessibleActionInterface *actions = accessible->actionInterface();
        QVERIFY(actions);
        QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(browser.addresses, std::vector<QString>{links::FullyBrandedPageAddress});
    }

    void homePageLink_namesTheSiteAndFitsTheWindow()
    {
        frmAbout about;
        auto *link = about.findChild<LinkLabel *>(u"lblHomePage"_s);
        QCOMPARE(link->text(), u"Click here to visit "_s + app::SiteBaseAddress.toString());
        QVERIFY(link->geometry().left() >= 0);
        QVERIFY(link->geometry().right() < about.width());
        QVERIFY(link->width() >= link->sizeHint().width());
    }
};

QTEST_MAIN(FrmAboutTest)
#include "tst_frmabout.moc"
