// The score window, How Is My Score Calculated: opened from the main
// window's menu, its tables read back as text.

#include "app/LocaleDecision.h"
#include "platform/Translators.h"
#include "platform/WindowPlacement.h"
#include "report/ResultPage.h"
#include "risktest/Scoring.h"
#include "ui/look/ResultPageLook.h"
#include "ui/main/frmMain.h"
#include "ui/score/SheetTable.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include <functional>

#include "support/ShownWindow.h"
#include "support/WindowStates.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// Hands the window How Is My Score Calculated opens to `look`, then closes it.
void lookAtScoreWindow(QWidget &main, const std::function<void(QDialog &score)> &look)
{
    QTimer::singleShot(0, [&look] {
        auto *score = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        look(*score);
        score->reject();
    });
    main.findChild<QAction *>(u"mnuScore"_s)->trigger();
}

QString shownRow(const QString &label, const QString &value, int marks)
{
    return label + u" | "_s + value + (marks == 3 ? u" *"_s : marks == 0 ? u""_s : u" !"_s);
}

// A table of the score window, a row a line: "label | value", with " *"
// after the person's own: the pointer before its label, bold, and said to be
// theirs to screen readers. A row with only some of these ends in " !".
QStringList shownRows(const QDialog &score, const QString &name)
{
    const auto *table = score.findChild<QTableWidget *>(name);
    QStringList rows;
    for (int index = 0; index < table->rowCount(); ++index) {
        const QTableWidgetItem *label = table->item(index, 0);
        const QTableWidgetItem *value = table->item(index, 1); // none under a question
        QString text = label->text();
        const bool pointer = text.startsWith(ui::score::Marker);
        text.remove(0, pointer ? ui::score::Marker.size() + 1 : 0);
        const QString spoken = label->data(Qt::AccessibleTextRole).toString();
        const bool bold = value && label->font().bold() && value->font().bold();
        rows << shownRow(text, value ? value->text() : QString(),
                         int(pointer) + int(bold) + int(spoken.contains(text) && spoken != text));
    }
    return rows;
}

} // namespace

class FrmScoreTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
        ShownWindow<frmMain> window;
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
        QTest::addColumn<int>("band"); // of risktest::riskBands(); -1: none
        // The line under the answers in a locale's language, plural form and digits.
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("yourAnswers");
        const QString none;
        const int noBand = -1;
        const QString en = u"en_US"_s;
        QTest::newRow("noRun") << -1 << none << QList<int>{} << false << noBand << en << none;
        QTest::newRow("midRun") << 5 << u"150"_s << QList<int>{1, 0} << false << noBand << en
                                << none;
        QTest::newRow("shortestVeryLow") << 0 << u"100"_s << QList<int>{0, 1, 0, 1, 1} << false << 0
                                         << en << u"Your answers: 0 points"_s;
        QTest::newRow("belowLimitLow") << 6 << u"156"_s << QList<int>{1, 1, 0, 1, 1} << false << 1
                                       << en << u"Your answers: 5 points"_s;
        QTest::newRow("tallestAtLimitHigh") << 18 << u"221"_s << QList<int>{2, 0, 1, 0, 0} << false
                                            << 2 << en << u"Your answers: 17 points"_s;
        QTest::newRow("backAtMainScreen")
            << 18 << u"221"_s << QList<int>{2, 0, 1, 0, 0} << true << noBand << en << none;
        // Answers worth 0, 1, 2 and 5 points, below the weight limit.
        const QList<QList<int>> worth{
            {0, 1, 0, 1, 1}, {0, 0, 0, 1, 1}, {0, 0, 0, 0, 1}, {1, 1, 0, 1, 1}};
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
                    << 0 << u"100"_s << worth[count] << false << int(count / 3) << locale
                    << lines[count];
        }
    }

    void score_showsTheTablesAndMarksTheShownResult()
    {
        QFETCH(int, heightRow);
        QFETCH(QString, weight);
        QFETCH(QList<int>, answers);
        QFETCH(bool, backToMainScreen);
        QFETCH(int, band);
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
        const auto bands = risktest::riskBands();
        for (const risktest::RiskBand &each : bands) {
            const bool yours = shown && each.contains(shown->result.score);
            QVERIFY(!shown || printed.contains(each.scores + u'\n' + each.verdict));
            bandRows << shownRow(each.scores, each.verdict, yours ? 3 : 0);
        }
        QCOMPARE(bandRows.filter(u" *"_s),
                 band < 0 ? QStringList()
                          : QStringList{shownRow(bands[band].scores, bands[band].verdict, 3)});
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
            QCOMPARE(form.findChild<QLabel *>(u"lblResult(1)"_s)->text(), bands[band].verdict);
    }
};

QTEST_MAIN(FrmScoreTest)
#include "tst_frmscore.moc"
