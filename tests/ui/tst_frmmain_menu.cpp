#include "app/LocaleDecision.h"
#include "links/PageAddresses.h"
#include "platform/Clock.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/UrlOpener.h"
#include "platform/WindowPlacement.h"
#include "risktest/Scoring.h"
#include "settings/SettingsStore.h"
#include "ui/LinkLabel.h"
#include "ui/about/frmAbout.h"
#include "ui/look/ResultPageLook.h"
#include "ui/main/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include <vector>

#include "support/FileSizeLimit.h"
#include "support/Poppler.h"
#include "support/Recorders.h"
#include "support/ScoreTables.h"
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

    // Also from inside a table, which must leave Enter and Esc to the window.
    void score_opensModalCentredOverTheMainWindowAndClosesByKey_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::newRow("enterOnOk") << u"cmdOK"_s << int(Qt::Key_Return);
        QTest::newRow("enterInTable") << u"tblWeight"_s << int(Qt::Key_Enter);
        QTest::newRow("escapeInTable") << u"tblAnswers"_s << int(Qt::Key_Escape);
    }

    void score_opensModalCentredOverTheMainWindowAndClosesByKey()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        Window window;
        const QRect available = window.form.screen()->availableGeometry();
        window.form.move(available.topLeft()); // where over it is not mid-screen
        QString seen;
        lookAtScoreWindow(window.form, [&](QDialog &score) {
            const QPoint centred = platform::centredOver(score.frameGeometry().size(),
                                                         window.form.frameGeometry(), available);
            seen = score.objectName() + u" of "_s + score.parentWidget()->objectName() +
                   (score.frameGeometry().topLeft() == centred ? u" centred"_s : u" off centre"_s);
            QTest::keyClick(score.findChild<QWidget *>(focus), Qt::Key(key));
            seen += score.isVisible() ? u", open"_s : u", closed"_s;
        });
        QCOMPARE(seen, u"frmScore of frmMain centred, closed"_s);
    }

    // The scoring tables as they are, the person's own rows marked while a
    // result shows, and the result's band as the score window, the result
    // panel and the result page show it.
    void score_showsTheTablesAndMarksTheShownResult_data()
    {
        QTest::addColumn<int>("heightRow"); // -1: no run started
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<bool>("backToMainScreen");
        QTest::addColumn<QString>("band"); // scores | verdict
        // The line under the answers in a locale's language, plural form and digits.
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("yourAnswers");
        const QString none;
        const QString en = u"en_US"_s;
        QTest::newRow("noRun") << -1 << none << QList<int>{} << false << none << en << none;
        QTest::newRow("midRun") << 5 << u"150"_s << QList<int>{1, 0} << false << none << en << none;
        QTest::newRow("shortestVeryLow")
            << 0 << u"100"_s << QList<int>{0, 1, 0, 1, 1} << false
            << u"0 to 2 | You are at a Very Low Risk of having Type 2 Diabetes now."_s << en
            << u"Your answers: 0 points"_s;
        QTest::newRow("belowLimitLow") << 6 << u"156"_s << QList<int>{1, 1, 0, 1, 1} << false
                                       << u"3 to 9 | You are at a Low Risk of having Type 2 "
                                          u"Diabetes now."_s
                                       << en << u"Your answers: 5 points"_s;
        QTest::newRow("tallestAtLimitHigh")
            << 18 << u"221"_s << QList<int>{2, 0, 1, 0, 0} << false
            << u"10 or more | You are at a High Risk of having Type 2 Diabetes now. Please "
               u"consult your doctor."_s
            << en << u"Your answers: 17 points"_s;
        QTest::newRow("backAtMainScreen")
            << 18 << u"221"_s << QList<int>{2, 0, 1, 0, 0} << true << none << en << none;
        // Answers worth 0, 1, 2 and 5 points, below the weight limit.
        const QList<QList<int>> worth{
            {0, 1, 0, 1, 1}, {0, 0, 0, 1, 1}, {0, 0, 0, 0, 1}, {1, 1, 0, 1, 1}};
        const QStringList bands{
            u"0 to 2 | You are at a Very Low Risk of having Type 2 Diabetes now."_s,
            u"3 to 9 | You are at a Low Risk of having Type 2 Diabetes now."_s};
        const QList<std::pair<QString, QStringList>> languages{
            {en,
             {u"Your answers: 0 points"_s, u"Your answers: 1 point"_s, u"Your answers: 2 points"_s,
              u"Your answers: 5 points"_s}},
            {u"fr_FR"_s,
             {u"Vos réponses\u202f: 0 point"_s, u"Vos réponses\u202f: 1 point"_s,
              u"Vos réponses\u202f: 2 points"_s, u"Vos réponses\u202f: 5 points"_s}},
            {u"ar_EG"_s,
             {u"إجاباتك: ٠ نقطة"_s, u"إجاباتك: ١ نقطة"_s, u"إجاباتك: ٢ نقطة"_s,
              u"إجاباتك: ٥ نقاط"_s}}};
        for (const auto &[locale, lines] : languages) {
            for (qsizetype count = 0; count < worth.size(); ++count)
                QTest::addRow("%s_%lld", qPrintable(locale), qlonglong(count))
                    << 0 << u"100"_s << worth[count] << false << bands[count / 3] << locale
                    << lines[count];
        }
    }

    void score_showsTheTablesAndMarksTheShownResult()
    {
        QFETCH(int, heightRow);
        QFETCH(QString, weight);
        QFETCH(QList<int>, answers);
        QFETCH(bool, backToMainScreen);
        QFETCH(QString, band);
        QFETCH(QString, locale);
        QFETCH(QString, yourAnswers);
        const support::Window main =
            heightRow < 0
                ? std::make_unique<frmMain>()
                : support::mainWindowAfter(weight, {answers.begin(), answers.end()}, heightRow);
        auto &form = static_cast<frmMain &>(*main);
        if (backToMainScreen)
            form.findChild<QPushButton *>(u"cmdMain"_s)->click();
        const auto &shown = form.result();

        QStringList answerRows, weightRows, bandRows;
        for (std::size_t question = 0; question < risktest::QuestionCount; ++question) {
            const risktest::Question &asked = risktest::questions()[question];
            answerRows << shownRow(asked.text, {}, 0);
            for (qsizetype option = 0; option < asked.options.size(); ++option)
                answerRows << shownRow(
                    asked.options[option], QString::number(asked.optionPoints[option]),
                    shown && shown->run.answers[question] == asked.options[option] ? 3 : 0);
        }
        for (int height = 0; height < risktest::HeightCount; ++height)
            weightRows << shownRow(risktest::heightLabel(risktest::UnitSystem::Imperial, height),
                                   QString::number(risktest::WeightChart[height].limit),
                                   shown && shown->run.heightRow == height ? 3 : 0);
        // The result's band as risktest, the score window, result page and panel give it.
        const QString printed =
            shown ? report::resultPage(*shown, {}, ui::resultPageLook())->toPlainText() : u""_s;
        for (const risktest::RiskBand &each : risktest::riskBands()) {
            const bool yours = shown && each.contains(shown->result.score);
            QVERIFY(!shown || printed.contains(each.scores + u'\n' + each.verdict));
            bandRows << shownRow(each.scores, each.verdict, yours ? 3 : 0);
        }
        QCOMPARE(bandRows.filter(u" *"_s),
                 band.isEmpty() ? QStringList() : QStringList{band + u" *"_s});
        lookAtScoreWindow(form, [&](QDialog &score) {
            QCOMPARE(shownRows(score, u"tblAnswers"_s), answerRows);
            QCOMPARE(shownRows(score, u"tblWeight"_s), weightRows);
            QCOMPARE(shownRows(score, u"tblBands"_s), bandRows);
        });
        // Opened again as the program does in the locale's language.
        const platform::Translators translators(app::translationFor({locale}).file);
        QLocale::setDefault(QLocale(locale));
        lookAtScoreWindow(form, [&](QDialog &score) {
            QCOMPARE(score.findChild<QLabel *>(u"lblYourAnswers"_s)->text(), yourAnswers);
        });
        QLocale::setDefault(QLocale::system());
        if (shown)
            QCOMPARE(form.findChild<QLabel *>(u"lblResult(1)"_s)->text(),
                     band.section(u" | "_s, 1));
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
