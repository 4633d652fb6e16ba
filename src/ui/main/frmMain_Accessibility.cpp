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

// A chart row's height in words: 5'8'' reads as "5 feet 8 inches", 5'1''
// as "5 feet 1 inch", in the digits the list shows. The feet and the inches
// each take the plural form of their own count.
QString heightInWords(int row, const QLocale &locale)
{
    const risktest::FeetAndInches height = risktest::heightFeetAndInches(row);
    //: A height in words, heard and not shown: %1 is the feet, %2 the inches
    //: as "%1 inches" says them ("5 feet 8 inches").
    return frmMain::tr("%1 feet %2", nullptr, height.feet)
        .arg(text::wholeNumber(height.feet, locale),
             //: The inches of a height in words, after the feet.
             frmMain::tr("%1 inches", nullptr, height.inches)
                 .arg(text::wholeNumber(height.inches, locale)));
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
        const int centimetres = risktest::heightCentimetres(row);
        return tr("%1 centimetres", nullptr, centimetres)
            .arg(text::wholeNumber(centimetres, userLocale.locale));
    });
}

void frmMain::announceAnswers()
{
    ui::announceChoices(cboAnswer_Option);
    connect(cboAnswer_Option, &QComboBox::currentIndexChanged, this,
            &frmMain::announceOnNextQuestion);
}

void frmMain::announceQuestion()
{
    // The question with the answer chosen goes to the answer list when the
    // user is on it, after an answer; Next Question says it whenever the
    // focus comes to it.
    const QString answer = cboAnswer_Option->currentText();
    ui::announce(cboAnswer_Option,
                 cboAnswer_Option->hasFocus() ? questionSpoken() + u' ' + answer : answer);
    announceOnNextQuestion();
    cboAnswer_Option->setAccessibleDescription(lblQuestionNo->text());
}

void frmMain::announceOnNextQuestion()
{
    // Kept to the answer chosen now, so that the button never says one the
    // user has since changed.
    const QString answer = cboAnswer_Option->currentText();
    ui::announce(cmdNextQuestion,
                 answer.isEmpty() ? questionSpoken() : questionSpoken() + u' ' + answer);
}

QString frmMain::questionSpoken() const
{
    return lblQuestionNo->text() + u". "_s + lblQuestion->text();
}

void frmMain::announceResult()
{
    // Heard after Main Screen, which takes the focus as the result shows, and
    // again whenever the focus comes back to it.
    ui::announce(cmdMain, scoreLine->text() + u". "_s + verdictLine->text());
}
