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
#include "platform/TrimSpaces.h"
#include "ui/Controls.h"

#include <QCloseEvent>
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

    platform::Randomize();
    m_supportMessage = exitscreen::supportMessageIndex(platform::Rnd());
    ui::setFittedText(supportMessageLabel, exitscreen::supportMessage(m_supportMessage));
    // Screen readers tell this window from the main window, which has the
    // same title, by its name, and read the support message as it opens.
    setAccessibleName(app::WindowCaption.toString() + u": Exit Screen"_s);
    setAccessibleDescription(supportMessageLabel->text());

    exitButton->setFocus();
}

void frmExitScreen::closeEvent(QCloseEvent *event)
{
    // Never cancelled: the window goes, and its handler runs only once.
    if (!m_unloaded) {
        m_unloaded = true;
        Form_Unload();
    }
    event->accept();
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
    using platform::trimSpaces;
    const links::ReferralDetails referral{
        .senderName = trimSpaces(m_name->text()),
        .senderEmail = trimSpaces(m_email->text()),
        .message = trimSpaces(m_message->text()),
        .friendName = trimSpaces(m_friendName->text()),
        .friendEmail = trimSpaces(m_friendEmail->text()),
    };
    if (const auto problem = links::emailProblem(referral.senderEmail, referral.friendEmail)) {
        platform::showMessage(this, *problem, platform::MessageIcon::Critical);
        return;
    }
    links::submitReferral(this, referral);
}
