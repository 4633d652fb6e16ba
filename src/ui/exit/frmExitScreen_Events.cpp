// The exit screen's events: loading, closing, its two links and the
// submission of the "Refer A Friend" panel.

#include "frmExitScreen.h"

#include "AppConstants.h"
#include "ExitScreenTexts.h"
#include "PromptTextBox.h"
#include "links/PageOpeners.h"
#include "links/Referral.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "platform/UrlOpener.h"
#include "ui/CloseOnce.h"
#include "ui/Controls.h"

#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int IconPixels = 32;
} // namespace

void frmExitScreen::Form_Load(const QIcon &applicationIcon)
{
    setWindowTitle(app::WindowCaption.toString());
    ui::setFittedText(captionLabel, app::WindowCaption.toString());
    setWindowIcon(applicationIcon);
    iconPicture->setPixmap(applicationIcon.pixmap(IconPixels, IconPixels));

    platform::seedRandomDraws();
    shownSupportMessage = ui::exit::supportMessageIndex(platform::randomDraw());
    ui::setFittedText(supportMessageLabel, ui::exit::supportMessage(shownSupportMessage));
    // Screen readers tell this window from the main window, which has the
    // same title, by its name, and read the support message as it opens.
    setAccessibleName(tr("%1: Exit Screen").arg(app::WindowCaption));
    setAccessibleDescription(supportMessageLabel->text());

    exitButton->setFocus();
}

void frmExitScreen::closeEvent(QCloseEvent *event)
{
    ui::closeOnce(event, unloaded, [this] { Form_Unload(); });
}

void frmExitScreen::Form_Unload()
{
    Q_EMIT quitRequested();
}

void frmExitScreen::cmdClose_Click()
{
    Q_EMIT quitRequested();
}

void frmExitScreen::visitForumButton_Click(bool checked)
{
    // Every click ticks the box; it springs back at once and opens the page.
    if (checked) {
        visitForumButton->setChecked(false);
        links::OpenHomePage();
    }
}

void frmExitScreen::lblGoToHome_Click()
{
    links::OpenSoftwaresPage();
}

void frmExitScreen::cmdSubmit_Click()
{
    const links::PreparedReferral referral =
        links::prepareReferral({namePrompt->text(), emailPrompt->text(), messagePrompt->text(),
                                friendNamePrompt->text(), friendEmailPrompt->text()});
    if (referral.problem) {
        platform::showMessage(this, *referral.problem, platform::MessageIcon::Critical);
        return;
    }
    platform::OpenUrl(referral.address);
}
