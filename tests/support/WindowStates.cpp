#include "WindowStates.h"

#include "AppConstants.h"
#include "app/LocaleDecision.h"
#include "platform/Random.h"
#include "ui/about/frmAbout.h"
#include "ui/exit/frmExitScreen.h"
#include "ui/main/frmMain.h"
#include "ui/score/frmScore.h"

#include <QComboBox>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace support {

const ui::UserLocale &environmentLocale()
{
    static const ui::UserLocale decided =
        app::decideUserLocale(app::LocaleVariables::fromEnvironment());
    return decided;
}

Window mainWindowAfter(const QString &weight, const std::vector<int> &answers, int heightRow)
{
    auto window = std::make_unique<frmMain>(environmentLocale());
    window->show();
    child<QLineEdit>(window.get(), u"txtName"_s)->setText(u"Ann"_s);
    child<QComboBox>(window.get(), u"cboHeight"_s)->setCurrentIndex(heightRow);
    child<QLineEdit>(window.get(), u"txtWeight"_s)->setText(weight);
    child<QPushButton>(window.get(), u"cmdNext"_s)->click();
    for (const int answer : answers) {
        child<QComboBox>(window.get(), u"cboAnswer_Option"_s)->setCurrentIndex(answer);
        child<QPushButton>(window.get(), u"cmdNextQuestion"_s)->click();
    }
    return window;
}

namespace {

Window mainWindowWithOffer(frmMain::Offer offer)
{
    auto window = std::make_unique<frmMain>(environmentLocale());
    window->BringOfferToFront(offer);
    window->show();
    return window;
}

Window exitScreenWithMessage(int message)
{
    // The support message is drawn as floor(r x 4).
    const platform::ScopedRandomDraw draw([message] { return (float(message) + 0.5f) / 4; });
    auto window = std::make_unique<frmExitScreen>(QIcon(app::ApplicationIconResource.toString()));
    window->show();
    return window;
}

// The score window for the result of the main window's run, if it has one.
Window scoreAfter(int heightRow, const QString &weight, const std::vector<int> &answers)
{
    const Window main = mainWindowAfter(weight, answers, heightRow);
    Window window = std::make_unique<frmScore>(static_cast<frmMain *>(main.get())->result(),
                                               environmentLocale().units);
    window->show();
    return window;
}

} // namespace

// List positions of the answers: age under 45 / 45 to 64 / 65 or more, then
// Yes = 0 and No = 1 for the other four.
const std::vector<WindowState> &windowStates()
{
    // clang-format off
    static const std::vector<WindowState> states{
        {"main_details_coBrandOffer", [] { return mainWindowWithOffer(frmMain::Offer::CoBrand); }},
        {"main_details_fullBrandOffer", [] { return mainWindowWithOffer(frmMain::Offer::FullBrand); }},
        {"main_question1", [] { return mainWindowAfter(u"180"_s, {}); }},
        {"main_question2", [] { return mainWindowAfter(u"180"_s, {0}); }},
        {"main_question3", [] { return mainWindowAfter(u"180"_s, {0, 1}); }},
        {"main_question4", [] { return mainWindowAfter(u"180"_s, {0, 1, 0}); }},
        {"main_question5", [] { return mainWindowAfter(u"180"_s, {0, 1, 0, 1}); }},
        {"main_result_veryLow", [] { return mainWindowAfter(u"100"_s, {0, 1, 0, 1, 1}); }},
        {"main_result_low", [] { return mainWindowAfter(u"100"_s, {1, 1, 0, 1, 1}); }},
        {"main_result_high", [] { return mainWindowAfter(u"400"_s, {2, 0, 1, 0, 0}); }},
        {"exit_supportMessage0", [] { return exitScreenWithMessage(0); }},
        {"exit_supportMessage1", [] { return exitScreenWithMessage(1); }},
        {"exit_supportMessage2", [] { return exitScreenWithMessage(2); }},
        {"exit_supportMessage3", [] { return exitScreenWithMessage(3); }},
        {"about", [] { Window window = std::make_unique<frmAbout>(); window->show(); return window; }},
        {"score_noResult", [] { return scoreAfter(0, u"100"_s, {}); }},
        {"score_highResult", [] { return scoreAfter(18, u"400"_s, {2, 0, 1, 0, 0}); }},
    };
    // clang-format on
    return states;
}

} // namespace support
