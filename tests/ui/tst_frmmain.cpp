#include "platform/MessageBox.h"
#include "risktest/Scoring.h"
#include "ui/main/frmMain.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>

#include "support/Recorders.h"
#include "support/ShownWindow.h"

#include <vector>

using namespace Qt::Literals::StringLiterals;
using platform::MessageAnswer;
using platform::MessageRequest;

namespace {

// The main window under test, shown and active.
class Window : public ShownWindow<frmMain>
{
public:
    using ShownWindow::ShownWindow;
    QLineEdit *txtName() { return find<QLineEdit>(u"txtName"_s); }
    QLineEdit *txtWeight() { return find<QLineEdit>(u"txtWeight"_s); }
    QComboBox *cboHeight() { return find<QComboBox>(u"cboHeight"_s); }
    QComboBox *cboAnswer() { return find<QComboBox>(u"cboAnswer_Option"_s); }
    QPushButton *cmdNext() { return find<QPushButton>(u"cmdNext"_s); }
    QPushButton *cmdNextQuestion() { return find<QPushButton>(u"cmdNextQuestion"_s); }
    QPushButton *cmdMain() { return find<QPushButton>(u"cmdMain"_s); }
    QLabel *label(const QString &name) { return find<QLabel>(name); }
    // The index of the panel in front, or -1 when none is. A panel not yet
    // built is not in front.
    int panelInFront()
    {
        for (int index = 0; index < 3; ++index) {
            const auto *panel = form.findChild<QGroupBox *>(u"fraStep(%1)"_s.arg(index));
            if (panel && panel->isVisible())
                return index;
        }
        return -1;
    }

    // Picks a list entry the way a user does from the keyboard.
    void choose(QComboBox *list, int index)
    {
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Home);
        for (int step = 0; step < index; ++step)
            QTest::keyClick(list, Qt::Key_Down);
    }

    void enterDetails(const QString &name, int heightRow, const QString &weight)
    {
        txtName()->setFocus();
        QTest::keyClicks(txtName(), name);
        choose(cboHeight(), heightRow);
        txtWeight()->setFocus();
        QTest::keyClicks(txtWeight(), weight);
    }

    // Takes a run from the details to the result, the answer lists untouched.
    void runToResult(const QString &name, int heightRow, const QString &weight)
    {
        enterDetails(name, heightRow, weight);
        QTest::mouseClick(cmdNext(), Qt::LeftButton);
        for (int question = 0; question < 5; ++question)
            QTest::mouseClick(cmdNextQuestion(), Qt::LeftButton);
    }
};

} // namespace

class FrmMainTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void load_showsDetailsWithFirstHeightAndFocusInName()
    {
        Window window;
        QVERIFY(window.active);
        QCOMPARE(window.panelInFront(), 0);
        QCOMPARE(window.cboHeight()->count(), 19);
        QCOMPARE(window.cboHeight()->currentText(), u"4'10''"_s);
        QCOMPARE(window.cboHeight()->itemText(18), u"6'4''"_s);
        QCOMPARE(window.focusName(), u"txtName"_s);
        QCOMPARE(window.form.windowTitle(), u"Kelo Diabetes Risk Calculator v1.10"_s);
    }

    void fullRun_throughTheWidgets()
    {
        MessageRecorder messages;
        Window window;
        QVERIFY(window.active);

        window.enterDetails(u"Ann"_s, 10, u"180"_s);
        QCOMPARE(window.cboHeight()->currentText(), u"5'8''"_s);
        QTest::mouseClick(window.cmdNext(), Qt::LeftButton);

        QCOMPARE(window.panelInFront(), 1);
        QCOMPARE(window.label(u"lblQuestionNo"_s)->text(), u"Question 1 of 5"_s);
        QCOMPARE(window.label(u"lblQuestion"_s)->text(), u"1. What is your age?"_s);
        QCOMPARE(window.cboAnswer()->count(), 3);
        QCOMPARE(window.cboAnswer()->currentText(), u"Less than 45 years old"_s);

        const std::array<int, 5> choices{1, 1, 1, 1, 0}; // 45 to 64, No, No, No, Yes
        for (int question = 0; question < 5; ++question) {
            QCOMPARE(window.label(u"lblQuestionNo"_s)->text(),
                     u"Question %1 of 5"_s.arg(question + 1));
            window.choose(window.cboAnswer(), choices[question]);
            QTest::mouseClick(window.cmdNextQuestion(), Qt::LeftButton);
        }

        QCOMPARE(window.panelInFront(), 2);
        QCOMPARE(window.label(u"lblResult(0)"_s)->text(), u"Your Score is: 16"_s);
        QCOMPARE(window.label(u"lblResult(1)"_s)->text(), risktest::riskBands()[2].verdict);
        QCOMPARE(window.label(u"lblResult(2)"_s)->text(),
                 u"P. S: Kindly consult your physician before taking any drastic steps."_s);
        QCOMPARE(window.focusName(), u"cmdMain"_s);
        QVERIFY(messages.requests.empty());

        QTest::mouseClick(window.cmdMain(), Qt::LeftButton);
        QCOMPARE(window.panelInFront(), 0);
        QVERIFY(window.txtName()->text().isEmpty());
        QVERIFY(window.txtWeight()->text().isEmpty());
        QCOMPARE(window.cboHeight()->currentIndex(), 0);
        QCOMPARE(window.focusName(), u"txtName"_s);
    }

    void badDetails_refusedWithMessage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");

        const QString noName = u"Please enter your name"_s;
        const QString noWeight = u"Please enter your weight"_s;
        const QString badWeight = u"Please enter a valid weight in pounds"_s;
        QTest::newRow("bothEmpty") << QString() << QString() << noName << u"txtName"_s;
        QTest::newRow("nameEmpty") << QString() << u"180"_s << noName << u"txtName"_s;
        QTest::newRow("weightEmpty") << u"Ann"_s << QString() << noWeight << u"txtWeight"_s;
        QTest::newRow("weightOfSpaces") << u"Ann"_s << u"   "_s << badWeight << u"txtWeight"_s;
        QTest::newRow("weightZero") << u"Ann"_s << u"0"_s << badWeight << u"txtWeight"_s;
        QTest::newRow("weightNegative") << u"Ann"_s << u"-150"_s << badWeight << u"txtWeight"_s;
        QTest::newRow("weightTooLarge") << u"Ann"_s << u"99999"_s << badWeight << u"txtWeight"_s;
        QTest::newRow("weightWords") << u"Ann"_s << u"ten stone"_s << badWeight << u"txtWeight"_s;
    }

    void badDetails_refusedWithMessage()
    {
        QFETCH(QString, name);
        QFETCH(QString, weight);
        QFETCH(QString, message);
        QFETCH(QString, focus);

        MessageRecorder messages;
        Window window;
        QVERIFY(window.active);
        window.enterDetails(name, 3, weight);
        window.cmdNext()->setFocus();
        QTest::keyClick(window.cmdNext(), Qt::Key_Return);

        QCOMPARE(messages.requests.size(), size_t(1));
        const MessageRequest &request = messages.requests.front();
        QCOMPARE(request.text, message);
        QCOMPARE(request.icon, platform::MessageIcon::Critical);
        QCOMPARE(request.buttons, platform::MessageButtons::Ok);
        QCOMPARE(window.focusName(), focus);
        QCOMPARE(window.panelInFront(), 0);
        QCOMPARE(window.txtName()->text(), name);
        QCOMPARE(window.txtWeight()->text(), weight);
        QCOMPARE(window.cboHeight()->currentIndex(), 3);
        if (message.contains(u"valid"_s))
            QCOMPARE(window.txtWeight()->selectedText(), weight);
    }

    void invalidWeight_leavesThePreviousRunAlone()
    {
        MessageRecorder messages;
        Window window;
        QVERIFY(window.active);
        window.runToResult(u"Ann"_s, 0, u"200"_s);
        QTest::mouseClick(window.cmdMain(), Qt::LeftButton);
        QCOMPARE(window.form.run().weightPoints(), 5);
        QVERIFY(window.form.run().result());
        QCOMPARE(window.form.run().result()->score, 8);

        window.enterDetails(u"Ann"_s, 0, u"lots"_s);
        QTest::mouseClick(window.cmdNext(), Qt::LeftButton);
        QCOMPARE(messages.requests.size(), size_t(1));
        QCOMPARE(window.panelInFront(), 0);
        QCOMPARE(window.form.run().weightPoints(), 5);
        QVERIFY(window.form.run().result());
        QCOMPARE(window.form.run().result()->score, 8);
    }

    void keyboard_tabMovesAmongTheVisiblePanelOnly()
    {
        Window window;
        QVERIFY(window.active);
        // Tab from the focus through each name in turn, the first again last.
        auto tabCycle = [&window](const QStringList &names) {
            QStringList seen{window.focusName()};
            for (qsizetype step = 1; step < names.size(); ++step) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                seen << window.focusName();
            }
            return seen;
        };
        const QStringList details{u"txtName"_s, u"cboHeight"_s, u"txtWeight"_s, u"cmdNext"_s,
                                  u"txtName"_s};
        QCOMPARE(tabCycle(details), details);

        window.enterDetails(u"Ann"_s, 0, u"100"_s);
        QTest::keyClick(window.txtWeight(), Qt::Key_T, Qt::AltModifier);
        QCOMPARE(window.panelInFront(), 1);
        const QStringList questions{u"cmdNextQuestion"_s, u"cboAnswer_Option"_s,
                                    u"cmdNextQuestion"_s};
        QCOMPARE(tabCycle(questions), questions);

        for (int question = 1; question <= 5; ++question)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::AltModifier);
        QCOMPARE(window.panelInFront(), 2);
        QCOMPARE(tabCycle({u"cmdMain"_s, u"cmdMain"_s}), QStringList({u"cmdMain"_s, u"cmdMain"_s}));

        // Back on the details, the panels now covered keep out of the way.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_M, Qt::AltModifier);
        QCOMPARE(tabCycle(details), details);
    }

    void keyboard_accessKeysAndEnterDriveAWholeRun()
    {
        Window window;
        QVERIFY(window.active);
        window.enterDetails(u"Ann"_s, 0, u"100"_s);
        // Alt+Q and Alt+M belong to covered panels and do nothing here.
        QTest::keyClick(window.txtWeight(), Qt::Key_Q, Qt::AltModifier);
        QTest::keyClick(window.txtWeight(), Qt::Key_M, Qt::AltModifier);
        QCOMPARE(window.panelInFront(), 0);
        QCOMPARE(window.txtWeight()->text(), u"100"_s);

        QTest::keyClick(window.txtWeight(), Qt::Key_T, Qt::AltModifier);
        QCOMPARE(window.label(u"lblQuestionNo"_s)->text(), u"Question 1 of 5"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(window.label(u"lblQuestionNo"_s)->text(), u"Question 2 of 5"_s);
        for (int question = 3; question <= 5; ++question) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::AltModifier);
            QCOMPARE(window.label(u"lblQuestionNo"_s)->text(), u"Question %1 of 5"_s.arg(question));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::AltModifier);
        QCOMPARE(window.panelInFront(), 2);
        QCOMPARE(window.label(u"lblResult(0)"_s)->text(), u"Your Score is: 3"_s);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_M, Qt::AltModifier);
        QCOMPARE(window.panelInFront(), 0);
        QCOMPARE(window.focusName(), u"txtName"_s);
    }

    void detailLabels_keepTheirDesignedFontAndEdges()
    {
        Window window;
        for (int index = 0; index < 5; ++index) {
            const QLabel *label = window.label(u"lblLabel(%1)"_s.arg(index));
            QCOMPARE(label->font().pointSizeF(), 8.25);
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
        }
        // The three right-aligned field labels end where the design has
        // them end, whatever the width of the font standing in for Verdana.
        for (int index : {0, 1, 2})
            QCOMPARE(window.label(u"lblLabel(%1)"_s.arg(index))->geometry().right() + 1, 132);
    }

    // What a screen reader is told as the run goes on: a drop-down list says
    // it as its text, which Orca reads as its value and speaks as it comes;
    // a button as its description, spoken as it takes the focus.
    void screenReaders_hearEachStep_data()
    {
        QTest::addColumn<int>("questionClicks");
        QTest::addColumn<bool>("onAnswers");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("heightInWords") << -1 << false << u"cboHeight"_s << u"5 feet 8 inches"_s;
        QTest::newRow("firstQuestionOnNextQuestion")
            << 0 << false << u"cmdNextQuestion"_s
            << u"Question 1 of 5. 1. What is your age? Less than 45 years old"_s;
        QTest::newRow("nextQuestionOnTheAnswers")
            << 1 << true << u"cboAnswer_Option"_s
            << u"Question 2 of 5. 2. Do you have any brother or sister suffering from diabetes? "
               u"Yes"_s;
        QTest::newRow("nextQuestionWithTheAnswerAfterAnAnswer")
            << 1 << true << u"cmdNextQuestion"_s
            << u"Question 2 of 5. 2. Do you have any brother or sister suffering from diabetes? "
               u"Yes"_s;
        QTest::newRow("answersSayTheirFirstEntryWhenNotInFocus")
            << 2 << false << u"cboAnswer_Option"_s << u"Yes"_s;
        QTest::newRow("resultWithMainScreen")
            << 5 << false << u"cmdMain"_s
            << u"Your Score is: 8. "_s + risktest::riskBands()[1].verdict;
    }

    void screenReaders_hearEachStep()
    {
        QFETCH(int, questionClicks);
        QFETCH(bool, onAnswers);
        QFETCH(QString, control);
        QFETCH(QString, spoken);
        Window window;
        window.enterDetails(u"Ann"_s, 10, u"180"_s);
        if (questionClicks >= 0)
            window.cmdNext()->click();
        if (onAnswers)
            window.cboAnswer()->setFocus();
        for (int click = 0; click < questionClicks; ++click)
            window.cmdNextQuestion()->click();

        QAccessibleInterface *accessible =
            QAccessible::queryAccessibleInterface(window.find<QWidget>(control));
        QVERIFY(accessible);
        if (QAccessibleTextInterface *text = accessible->textInterface())
            QCOMPARE(text->text(0, text->characterCount()), spoken);
        else
            QCOMPARE(accessible->text(QAccessible::Description), spoken);
        // The name box's text attributes run over all of "Ann", or Orca reads "An".
        int start = -1, end = -1;
        QAccessible::queryAccessibleInterface(window.txtName())
            ->textInterface()
            ->attributes(2, &start, &end);
        QCOMPARE(end - start, 3);
    }

    // Made for metric units, the details ask for centimetres and kilograms.
    void metricUnits_heightsInCentimetresWeightInKilograms()
    {
        Window window(
            ui::UserLocale{{}, QLocale::c(), risktest::UnitSystem::Metric, QPageSize::A4});
        QCOMPARE(window.label(u"lblLabel(4)"_s)->text(), u"centimetres"_s);
        QCOMPARE(window.label(u"lblLabel(3)"_s)->text(), u"kilograms"_s);
        window.enterDetails(u"Ann"_s, 10, u"80.3 "_s); // 177.03 pounds: 5'8'' scores from 177
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(window.cboHeight());
        QCOMPARE(list->textInterface()->text(0, -1), u"173 centimetres"_s);
        window.cmdNext()->click();
        QCOMPARE(window.form.run().inputs().units, risktest::UnitSystem::Metric);
        QCOMPARE(window.form.run().inputs().weightAsEntered, u"80.3"_s);
        QCOMPARE(window.form.run().weightPoints(), 5);
    }

    // However many closes come, the window goes and the shutdown starts once.
    void close_unloadsOnceAndIsNeverCancelled()
    {
        Window window;
        QSignalSpy unloading(&window.form, &frmMain::unloading);
        QVERIFY(window.form.close());
        // Closing a hidden window sends nothing; a late close is sent as is.
        QCloseEvent late;
        late.ignore();
        QApplication::sendEvent(&window.form, &late);
        QVERIFY(late.isAccepted());
        QCOMPARE(unloading.size(), 1);
        QVERIFY(!window.form.isVisible());
    }

    void offerLabels_fullBrandStartsInFront()
    {
        Window window;
        QVERIFY(window.active);
        auto *frame = window.find<QGroupBox>(u"fraFullBrand"_s);
        const QPoint middle = window.label(u"lblCobrand"_s)->geometry().center();
        QCOMPARE(frame->childAt(middle), window.label(u"lblFullBrand"_s));
        QVERIFY(window.label(u"lblCobrand"_s)->text().contains(u"name &  link"_s));
    }
};

QTEST_MAIN(FrmMainTest)
#include "tst_frmmain.moc"
