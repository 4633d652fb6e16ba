#include "links/PageAddresses.h"
#include "platform/Clock.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/UrlOpener.h"
#include "settings/SettingsStore.h"
#include "ui/LinkLabel.h"
#include "ui/about/frmAbout.h"
#include "ui/main/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <vector>

#include "support/FileSizeLimit.h"
#include "support/Poppler.h"
#include "support/Recorders.h"
#include "support/ShownWindow.h"
#include "support/WindowStates.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// The main window shown and active.
struct Window : ShownWindow<frmMain>
{
    QAction *action(const QString &name) { return find<QAction>(name); }
    LinkLabel *link(const QString &name) { return find<LinkLabel>(name); }
};

// Whether Print Result and Save Result as PDF are on.
QList<bool> resultEntriesOn(const QWidget &main)
{
    return {main.findChild<QAction *>(u"mnuPrint"_s)->isEnabled(),
            main.findChild<QAction *>(u"mnuSavePdf"_s)->isEnabled()};
}

} // namespace

class FrmMainMenuTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void menu_entriesInOrderWithAccessKeys()
    {
        Window window;
        auto entries = [&](const QString &menu) {
            QStringList found;
            for (const QAction *entry : window.form.findChild<QMenu *>(menu)->actions()) {
                found << (entry->isSeparator()
                              ? u"-"_s
                              : entry->text() + u' ' + entry->shortcut().toString() +
                                    (entry->isEnabled() ? u""_s : u" off"_s));
            }
            return found;
        };
        QCOMPARE(entries(u"mnuHelp"_s),
                 (QStringList{u"&Online Help "_s, u"&Visit Us Online "_s, u"-"_s,
                              u"Check for Software &Update "_s, u"-"_s,
                              u"How Is My Score &Calculated? "_s, u"&About Software "_s}));
        // Print and Save as PDF wait for a result.
        QCOMPARE(entries(u"mnuFile"_s),
                 (QStringList{u"&Print Result... Ctrl+P off"_s,
                              u"Save Result as P&DF... Ctrl+Shift+S off"_s, u"-"_s, u"E&xit "_s}));
        // Donate and Make Money Online are commands with no menu of their own.
        QVERIFY(!window.action(u"mnuDonate"_s)->menu());
        QVERIFY(!window.action(u"mnuMakeMoney"_s)->menu());
    }

    void entries_openTheirPageOncePerChoice_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("address");
        QTest::newRow("onlineHelp") << u"mnuOnline"_s << links::HelpPageAddress;
        QTest::newRow("visitUsOnline") << u"mnuVisit"_s << links::HomePageAddress;
        QTest::newRow("checkForUpdate") << u"mnuUpdate"_s << links::DownloadPageAddress;
        QTest::newRow("donate") << u"mnuDonate"_s << links::DonatePageAddress;
    }

    void entries_openTheirPageOncePerChoice()
    {
        QFETCH(QString, entry);
        QFETCH(QString, address);
        BrowserRecorder browser;
        Window window;
        window.action(entry)->trigger();
        QCOMPARE(browser.addresses, std::vector<QString>{address});
        window.action(entry)->trigger();
        QCOMPARE(browser.addresses, (std::vector<QString>{address, address}));
        QVERIFY(window.form.isVisible());
    }

    void accessKeys_reachTheBarCommandsButNotTheSwitchedOffOne()
    {
        BrowserRecorder browser;
        Window window;
        QVERIFY(window.active);
        QVERIFY(!window.action(u"mnuMakeMoney"_s)->isEnabled());

        QTest::keyClick(&window.form, Qt::Key_O, Qt::AltModifier);
        window.action(u"mnuMakeMoney"_s)->trigger();
        QVERIFY(browser.addresses.empty());

        QTest::keyClick(&window.form, Qt::Key_D, Qt::AltModifier);
        QTRY_COMPARE(browser.addresses, std::vector<QString>{links::DonatePageAddress});
    }

    void switchedOffEntry_handlerStillOpensFullBranding()
    {
        BrowserRecorder browser;
        Window window;
        QVERIFY(QMetaObject::invokeMethod(&window.form, "mnuMakeMoney_Click"));
        QCOMPARE(browser.addresses, std::vector<QString>{links::FullyBrandedPageAddress});
    }

    // The entry chosen, what the save dialog answers (%1 the folder), what is in that folder
    // before, the largest file the program may write (0: no limit; a full disk to QSaveFile),
    // and the message shown (its start) or the file written.
    void printAndSave_writeTheFileChosenOrSayWhy_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("fileSizeLimit");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("written");
        const QString save = u"mnuSavePdf"_s, none, notSaved = u"Could not save \"%1\": "_s;
        QTest::newRow("written") << save << u"%1/a.pdf"_s << none << 0 << none << u"a.pdf"_s;
        QTest::newRow("suffixAdded") << save << u"%1/a"_s << none << 0 << none << u"a.pdf"_s;
        QTest::newRow("suffixAfterTrailingDot")
            << save << u"%1/a."_s << none << 0 << none << u"a.pdf"_s;
        QTest::newRow("cancelled") << save << none << none << 0 << none << none;
        QTest::newRow("folderInTheWay")
            << save << u"%1/a.pdf"_s << u"a.pdf/"_s << 0
            << notSaved.arg(u"%1/a.pdf"_s) + u"A folder of that name is in the way."_s << none;
        QTest::newRow("missingFolder")
            << save << u"%1/none/a.pdf"_s << none << 0 << notSaved.arg(u"%1/none/a.pdf"_s) << none;
        QTest::newRow("suffixAddedOverAFileNotReplaced")
            << save << u"%1/a"_s << u"a.pdf"_s << 0 << u"%1/a.pdf already exists."_s << none;
        QTest::newRow("diskFullAtCommit")
            << save << u"%1/a.pdf"_s << none << 1024 << notSaved.arg(u"%1/a.pdf"_s) << none;
        // The tests run without the printing module beside them.
        QTest::newRow("printingModuleMissing")
            << u"mnuPrint"_s << none << none << 0
            << u"Printing is not available: its module was not found at:\n"_s << none;
    }

    void printAndSave_writeTheFileChosenOrSayWhy()
    {
        QFETCH(QString, entry);
        QFETCH(QString, answer);
        QFETCH(QString, before);
        QFETCH(int, fileSizeLimit);
        QFETCH(QString, message);
        QFETCH(QString, written);
        QTemporaryDir folder;
        const QDir dir(folder.path());
        QVERIFY(before.isEmpty() ||
                (before.endsWith(u'/') ? dir.mkdir(before)
                                       : QFile(dir.filePath(before)).open(QIODevice::WriteOnly)));
        const QStringList listed = dir.entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
        QString offered;
        platform::ScopedSaveFileDialog dialog([&](const platform::SaveFileRequest &request) {
            offered = request.startPath;
            return answer.contains(u"%1"_s) ? answer.arg(folder.path()) : answer;
        });
        MessageRecorder messages;
        const platform::ScopedClock clock(QDateTime(QDate(2028, 8, 18), QTime(9, 5)));
        const support::Window main = support::mainWindowAfter(u"150"_s, {0, 0, 0, 0, 0});
        withFileSizeLimit(fileSizeLimit, [&] { main->findChild<QAction *>(entry)->trigger(); });

        QCOMPARE(messages.requests.size(), size_t(message.isEmpty() ? 0 : 1));
        if (!message.isEmpty()) {
            QVERIFY2(messages.requests[0].text.startsWith(message.replace(u"%1"_s, folder.path())),
                     qPrintable(messages.requests[0].text));
            QCOMPARE(messages.requests[0].parent, main.get());
        }
        QCOMPARE(dir.entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 written.isEmpty() ? listed : listed + QStringList{written});
        // Only the file written has anything in it; one there before stays empty.
        for (const QFileInfo &entry : dir.entryInfoList(QDir::Files))
            QCOMPARE(entry.size() > 0, entry.fileName() == written);
        // The name offered and the time on the page are the clock's.
        QCOMPARE(offered.section(u'/', -1),
                 entry == u"mnuSavePdf"_s ? u"Diabetes risk result 2028-08-18.pdf"_s : QString());
        if (!written.isEmpty())
            QVERIFY(support::pdfText(dir.filePath(written))
                        .contains(u"Taken on Friday, August 18, 2028, 9:05"_s));
        // The result stays until Main Screen.
        QCOMPARE(resultEntriesOn(*main), QList<bool>({true, true}));
        main->findChild<QPushButton *>(u"cmdMain"_s)->click();
        QCOMPARE(resultEntriesOn(*main), QList<bool>({false, false}));
    }

    void checkForUpdate_asksNothingAndRecordsNothing()
    {
        std::vector<QString> messages;
        platform::ScopedMessageBoxHandler boxes([&messages](const platform::MessageRequest &r) {
            messages.push_back(r.text);
            return platform::MessageAnswer::Ok;
        });
        BrowserRecorder browser;
        const QString settingsFile = settings::SettingsStore().fileName();
        QFile::remove(settingsFile);
        Window window;

        window.action(u"mnuUpdate"_s)->trigger();

        QVERIFY(messages.empty());
        QVERIFY(!QFile::exists(settingsFile));
        QCOMPARE(browser.addresses.size(), size_t(1));
    }

    void exit_unloadsTheMainWindow()
    {
        Window window;
        QSignalSpy unloading(&window.form, &frmMain::unloading);
        window.action(u"mnuExit"_s)->trigger();
        QCOMPARE(unloading.size(), 1);
        QVERIFY(!window.form.isVisible());
    }

    void about_opensModalAndReturnsWhenClosed()
    {
        BrowserRecorder browser;
        Window window;
        QString modal;
        const QWidget *owner = nullptr;
        QTimer::singleShot(0, [&modal, &owner] {
            QWidget *about = QApplication::activeModalWidget();
            modal = about ? about->objectName() : QString();
            owner = about ? about->parentWidget() : nullptr;
            if (about)
                QTest::keyClick(about, Qt::Key_Escape);
        });

        window.action(u"mnuAbout"_s)->trigger();

        QCOMPARE(modal, u"frmAbout"_s);
        QCOMPARE(owner, &window.form);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(window.form.findChildren<frmAbout *>().isEmpty());
        QVERIFY(browser.addresses.empty());
    }

    void linkLabels_openTheirPages_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("offerInFront"); // -1: leave as is
        QTest::addColumn<QString>("address");
        QTest::newRow("forum") << u"Label14"_s << -1 << links::HomePageAddress;
        QTest::newRow("coBrand") << u"lblCobrand"_s << int(frmMain::Offer::CoBrand)
                                 << links::CoBrandPageAddress;
        QTest::newRow("fullBrand") << u"lblFullBrand"_s << int(frmMain::Offer::FullBrand)
                                   << links::FullyBrandedPageAddress;
    }

    void linkLabels_openTheirPages()
    {
        QFETCH(QString, label);
        QFETCH(int, offerInFront);
        QFETCH(QString, address);
        BrowserRecorder browser;
        Window window;
        if (offerInFront >= 0)
            window.form.BringOfferToFront(frmMain::Offer(offerInFront));
        LinkLabel *link = window.link(label);
        QCOMPARE(link->cursor().shape(), Qt::BitmapCursor);

        QTest::mouseClick(link, Qt::LeftButton);

        QCOMPARE(browser.addresses, std::vector<QString>{address});
    }

    void offerFrame_clickReachesOnlyTheOfferInFront()
    {
        Window window;
        auto *frame = window.form.findChild<QGroupBox *>(u"fraFullBrand"_s);
        const QPoint middle = frame->rect().center();
        QCOMPARE(frame->childAt(middle), window.link(u"lblFullBrand"_s));
        window.form.BringOfferToFront(frmMain::Offer::CoBrand);
        QCOMPARE(frame->childAt(middle), window.link(u"lblCobrand"_s));
    }
};

QTEST_MAIN(FrmMainMenuTest)
#include "tst_frmmain_menu.moc"
