// What the main window tells screen readers beyond its controls' names and
// values: the height in words, each question as it comes up and the result
// as it shows. Each is said by the control that has, or is about to take, the
// focus.

#include "frmMain.h"

#include "text/LocaleNumbers.h"
#include "ui/accessibility/Announcements.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

// A chart row's height in words: 5'8'' reads as "5 feet 8 inches", in the
// digits the list shows.
QString heightInWords(int row, const QLocale &locale)
{
    const risktest::FeetAndInches height = risktest::heightFeetAndInches(row);
    return frmMain::tr("%1 feet %2 inches")
        .arg(text::wholeNumber(height.feet, locale), text::wholeNumber(height.inches, locale));
}

} // namespace

void frmMain::announceHeights()
{
    // Said the same way by the closed list and the open one.
    if (userLocale.units == risktest::UnitSystem::Imperial) {
        ui::announceChoices(cboHeight,
                            [this](int row) { return heightInWords(row, userLocale.locale); });
        return;
    }
    // "173 cm" reads as "173 centimetres", which speech says more plainly
    // than the symbol.
    ui::announceChoices(cboHeight, [this](int row) {
        return tr("%1 centimetres")
            .arg(text::wholeNumber(risktest::heightCentimetres(row), userLocale.locale));
    });
}

void frmMain::announceAnswers()
{
    ui::announceChoices(cboAnswer_Option);
}

void frmMain::announceQuestion()
{
    // The question with its first answer goes to the control the user is on:
    // Next Question after the details, the answer list after an answer. The
    // other keeps what it needs when the focus comes to it.
    const QString question = lblQuestionNo->text() + u". "_s + lblQuestion->text();
    const QString answer = cboAnswer_Option->currentText();
    const bool onAnswers = cboAnswer_Option->hasFocus();
    ui::announce(cmdNextQuestion, onAnswers ? question : question + u' ' + answer);
    ui::announce(cboAnswer_Option, onAnswers ? question + u' ' + answer : answer);
    cboAnswer_Option->setAccessibleDescription(lblQuestionNo->text());
}

void frmMain::announceResult()
{
    // Heard after Main Screen, which takes the focus as the result shows, and
    // again whenever the focus comes back to it.
    ui::announce(cmdMain, scoreLine->text() + u". "_s + verdictLine->text());
}
