// The wizard of the main window: the details check, starting a run, one
// question after the other, the result and the way back to the details.

#include "frmMain.h"

#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "risktest/PersonalDetails.h"
#include "risktest/Scoring.h"
#include "risktest/TestRun.h"
#include "text/LocaleNumbers.h"
#include "text/TrimSpaces.h"
#include "ui/Controls.h"
#include "ui/accessibility/FocusHandling.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>

using namespace Qt::Literals::StringLiterals;

void frmMain::Form_Load()
{
    for (int row = 0; row < risktest::HeightCount; ++row)
        cboHeight->addItem(risktest::heightLabel(userLocale.units, row, userLocale.locale));
    cboHeight->setCurrentIndex(0);
    announceHeights();
    BringToFront(DetailsStep);
    txtName->setFocus();
}

std::optional<qint16> frmMain::ValidateDetails()
{
    auto refuse = [this](QLineEdit *textBox, const QString &message) {
        platform::showMessage(this, message, platform::MessageIcon::Critical);
        textBox->setFocus();
        return std::nullopt;
    };
    const risktest::CheckedDetails details = risktest::checkDetails(
        txtName->text(), txtWeight->text(), userLocale.locale, userLocale.units);
    switch (details.problem) {
    case risktest::DetailsProblem::NameMissing:
        return refuse(txtName, tr("Please enter your name"));
    case risktest::DetailsProblem::WeightMissing:
        return refuse(txtWeight, tr("Please enter your weight"));
    case risktest::DetailsProblem::WeightInvalid:
        //: %1 is 80.5 as the language writes it: "80,5", "٨٠٫٥"
        refuse(txtWeight, userLocale.units == risktest::UnitSystem::Metric
                              ? tr("Please enter a valid weight in kilograms, e.g. %1")
                                    .arg(risktest::kilogramsExample(userLocale.locale))
                              : tr("Please enter a valid weight in pounds"));
        txtWeight->selectAll();
        return std::nullopt;
    case risktest::DetailsProblem::None:
        break;
    }
    return details.weight;
}

void frmMain::cmdNext_Click()
{
    const std::optional<qint16> weight = ValidateDetails();
    if (!weight)
        return;
    testRun.start(cboHeight->currentIndex(), *weight, userLocale.units,
                  text::trimSpaces(txtWeight->text()));
    buildPanelOnce(QuestionsStep);
    ShowQuestion(*testRun.questionShown());
    BringToFront(QuestionsStep);
    // The next step is operated from the questions panel; its first control
    // in the keyboard order takes the focus the covered button had.
    cmdNextQuestion->setFocus();
}

void frmMain::cmdNextQuestion_Click()
{
    if (!testRun.questionShown())
        return;
    testRun.answer(cboAnswer_Option->currentIndex());
    if (const std::optional<int> next = testRun.questionShown())
        ShowQuestion(*next);
    else
        ShowResult(*testRun.result());
}

void frmMain::ShowResult(const risktest::RiskResult &result)
{
    shownResult = report::ResultRecord{.name = txtName->text(),
                                       .run = testRun.inputs(),
                                       .result = result,
                                       .takenAt = platform::now()};
    enableResultActions();
    buildPanelOnce(ResultStep);
    ui::setFittedText(scoreLine, result.scoreLine);
    ui::setFittedText(verdictLine, result.verdict);
    ui::fitPeers({physicianNote, verdictLine});
    announceResult();
    BringToFront(ResultStep);
    cmdMain->setFocus();
}

void frmMain::ShowQuestion(int index)
{
    const risktest::Question &question = risktest::questions()[index];
    ui::setFittedText(lblQuestionNo,
                      tr("Question %1 of %2")
                          .arg(text::wholeNumber(index + 1, userLocale.locale),
                               text::wholeNumber(risktest::QuestionCount, userLocale.locale)));
    ui::setFittedText(lblQuestion, question.text);
    {
        // The new question is announced with its first answer, not the
        // answers one by one as they come and go.
        const QSignalBlocker quiet(cboAnswer_Option);
        cboAnswer_Option->clear();
        cboAnswer_Option->addItems(question.options);
        cboAnswer_Option->setCurrentIndex(0);
    }
    announceQuestion();
}

void frmMain::cmdMain_Click()
{
    // Emptied unannounced, so that screen readers read the name box when it
    // takes the focus.
    ui::changeUnannounced([this] {
        txtName->clear();
        txtWeight->clear();
    });
    cboHeight->setCurrentIndex(0);
    shownResult.reset();
    enableResultActions();
    BringToFront(DetailsStep);
    txtName->setFocus();
}

void frmMain::BringToFront(Step step)
{
    panelStack->setCurrentWidget(stepPanels[step]);
}

void frmMain::buildPanelOnce(Step step)
{
    if (stepPanels[step])
        return;
    switch (step) {
    case DetailsStep:
        // Built with the window.
        break;
    case QuestionsStep:
        createQuestionsPanel();
        break;
    case ResultStep:
        createResultPanel();
        break;
    }
}
