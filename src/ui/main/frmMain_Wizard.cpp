// The wizard of the main window: the details check, starting a run, one
// question after the other, the result and the way back to the details.

#include "frmMain.h"

#include "platform/MessageBox.h"
#include "risktest/DiabetesRiskTest.h"
#include "risktest/PersonalDetails.h"
#include "ui/Controls.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>

using namespace Qt::Literals::StringLiterals;
namespace test = modDiabetesRiskTest;

void frmMain::Form_Load()
{
    for (const test::WeightChartRow &row : test::intWeightLimit)
        cboHeight->addItem(row.heightLabel.toString());
    cboHeight->setCurrentIndex(0);
    BringToFront(DetailsStep);
    txtName->setFocus();
}

bool frmMain::ValidateDetails()
{
    auto refuse = [this](QLineEdit *textBox, const QString &message) {
        platform::showMessage(this, message, platform::MessageIcon::Critical);
        textBox->setFocus();
        return false;
    };
    switch (risktest::checkDetails(txtName->text(), txtWeight->text())) {
    case risktest::DetailsProblem::NameMissing:
        return refuse(txtName, u"Please enter your name"_s);
    case risktest::DetailsProblem::WeightMissing:
        return refuse(txtWeight, u"Please enter your weight"_s);
    case risktest::DetailsProblem::WeightInvalid:
        refuse(txtWeight, u"Please enter a valid weight in pounds"_s);
        txtWeight->selectAll();
        return false;
    case risktest::DetailsProblem::None:
        break;
    }
    return true;
}

void frmMain::cmdNext_Click()
{
    if (!ValidateDetails())
        return;
    intWeight = risktest::parseWeight(txtWeight->text()).value_or(intWeight);
    test::intWeightPoints = 0;
    test::intWeightPoints = test::WeightPoints(intWeight, cboHeight->currentIndex());
    intQuestionNo = 0;
    test::intScore = 0;
    cmdNextQuestion_Click();
    BringToFront(QuestionsStep);
    // The next step is operated from the questions panel; its first control
    // in the keyboard order takes the focus the covered button had.
    cmdNextQuestion->setFocus();
}

void frmMain::cmdNextQuestion_Click()
{
    test::LoadQuestions();
    if (intQuestionNo >= 1 && intQuestionNo < test::QuestionCount) {
        test::strAnswer[intQuestionNo - 1] = cboAnswer_Option->currentText();
    } else if (intQuestionNo >= test::QuestionCount) {
        test::strAnswer[test::QuestionCount - 1] = cboAnswer_Option->currentText();
        const test::ResultLines result = test::CalculateRisk();
        ui::setFittedText(lblResult[0], result.score);
        ui::setFittedText(lblResult[1], result.verdict);
        BringToFront(ResultStep);
        cmdMain->setFocus();
        return;
    }
    ShowQuestion(intQuestionNo);
    ++intQuestionNo;
}

void frmMain::ShowQuestion(int index)
{
    ui::setFittedText(lblQuestionNo, u"Question "_s + QString::number(index + 1) + u" of "_s +
                                         QString::number(test::QuestionCount));
    ui::setFittedText(lblQuestion, test::strQuestion[index]);
    cboAnswer_Option->clear();
    cboAnswer_Option->addItems(test::strAnswerOption[index]);
    cboAnswer_Option->setCurrentIndex(0);
}

void frmMain::cmdMain_Click()
{
    txtName->clear();
    txtWeight->clear();
    cboHeight->setCurrentIndex(0);
    BringToFront(DetailsStep);
    txtName->setFocus();
}

void frmMain::BringToFront(Step step)
{
    m_panels->setCurrentWidget(fraStep[step]);
}
