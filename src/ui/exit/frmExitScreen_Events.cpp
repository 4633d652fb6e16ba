// The exit screen's events: loading, closing, its two links and the
// submission of the "Refer A Friend" panel.

#include "frmExitScreen.h"

#include "AppConstants.h"
#include "ExitScreenTexts.h"
#include "PromptTextBox.h"
#include "Referral.h"
#include "links/PageOpeners.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "platform/TrimSpaces.h"
#include "ui/Controls.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int IconPixels = 32;
} // namespace

void frmExitScreen::Form_Load(const QIcon &applicationIcon)
{
    setWindowTitle(app::WindowCaption.toString());
    ui::setFittedText(lblExitScreenCaption, app::WindowCaption.toString());
    setWindowIcon(applicationIcon);
    picExitScreenIcon->setPixmap(applicationIcon.pixmap(IconPixels, IconPixels));

    platform::Randomize();
    m_supportMessage = exitscreen::supportMessageIndex(platform::Rnd());
    ui::setFittedText(Label2, exitscreen::supportMessage(m_supportMessage));

    cmdClose->setFocus();
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

void frmExitScreen::Check1_Click(bool checked)
{
    // Every click ticks the box; it springs back at once and opens the page.
    if (checked) {
        Check1->setChecked(false);
        modHelp::OpenHomePage();
    }
}

void frmExitScreen::lblGoToHome_Click()
{
    modHelp::OpenSoftwaresPage();
}

void frmExitScreen::cmdSubmit_Click()
{
    using platform::trimSpaces;
    modTellAFriend::Referral = {
        .senderName = trimSpaces(m_name->text()),
        .senderEmail = trimSpaces(m_email->text()),
        .message = trimSpaces(m_message->text()),
        .friendName = trimSpaces(m_friendName->text()),
        .friendEmail = trimSpaces(m_friendEmail->text()),
    };
    const modTellAFriend::ReferralDetails &referral = modTellAFriend::Referral;
    if (const auto problem =
            modTellAFriend::emailProblem(referral.senderEmail, referral.friendEmail)) {
        platform::showMessage(this, *problem, platform::MessageIcon::Critical);
        return;
    }
    modTellAFriend::SubmitReferral(this);
}
