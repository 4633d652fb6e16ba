#include "frmExitScreen.h"

#include "AppConstants.h"
#include "ExitScreenTexts.h"
#include "PromptTextBox.h"
#include "links/Referral.h"
#include "platform/WindowPlacement.h"
#include "ui/Controls.h"
#include "ui/LinkLabel.h"
#include "ui/Mirroring.h"
#include "ui/accessibility/AccessibleInterfaces.h"
#include "ui/look/Colours.h"
#include "ui/look/HandCursor.h"
#include "ui/look/Twips.h"
#include "ui/look/WindowFonts.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;
using ui::twipsRect;
namespace colour = ui::colour;

namespace {

QLineEdit *createPromptBox(QWidget *frame, const QString &name, QRect geometry)
{
    return ui::createTextBox(frame, {.name = name,
                                     .geometry = geometry,
                                     .font = ui::dialogFont(),
                                     .textColour = colour::Black});
}

} // namespace

frmExitScreen::frmExitScreen(const QIcon &applicationIcon, QWidget *parent)
    : QWidget(parent)
{
    ui::installAccessibleInterfaces();
    createWindow();
    createSoftwarePanel();
    createReferralPanel();
    createWindowControls();
    setKeyboardOrder();
    connectControls();
    Form_Load(applicationIcon);
    platform::centreOnScreen(this);
    platform::refuseMaximise(this);
}

void frmExitScreen::createWindow()
{
    setObjectName(u"frmExitScreen"_s);
    // Close box only, and above every other window of the desktop. Flags
    // must be set before the window is first shown.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setFixedSize(ui::twipsSize(11115, 4725));
    setFont(ui::dialogFont());
    ui::setBackgroundColour(this, colour::White);
}

void frmExitScreen::createSoftwarePanel()
{
    softwarePanel = ui::createFrame(this, {.name = u"Frame6"_s,
                                           .caption = tr("Download Orvane Softwares"),
                                           .geometry = twipsRect(7320, 120, 3735, 4575),
                                           .font = ui::largeBoldFont(),
                                           .textColour = colour::White,
                                           .background = colour::NavyBlue});
    softwaresLink =
        ui::createLinkLabel(softwarePanel, {.name = u"lblGoToHome"_s,
                                            .text = tr("Click Here To Visit Orvane Softwares"),
                                            .geometry = twipsRect(75, 4250, 3585, 210),
                                            .font = ui::exitLinkFont(),
                                            .textColour = colour::Yellow,
                                            .sizedToText = true});
    promotionText = ui::createLabel(softwarePanel, {.name = u"Label3"_s,
                                                    .text = ui::exit::promotionText(),
                                                    .geometry = twipsRect(120, 360, 3495, 3855),
                                                    .font = ui::exitTextFont(),
                                                    .textColour = colour::White});
}

void frmExitScreen::createReferralPanel()
{
    referralPanel = ui::createFrame(this, {.name = u"Frame2"_s,
                                           .caption = tr("Refer A Friend"),
                                           .geometry = twipsRect(120, 3240, 7065, 1455),
                                           .font = ui::largeBoldFont(),
                                           .textColour = colour::White,
                                           .background = colour::NavyBlue});

    // Below the frame's visible area: never seen, yet in the keyboard order.
    txtMessage = new QPlainTextEdit(referralPanel);
    txtMessage->setObjectName(u"txtMessage"_s);
    ui::placeAtDesigned(txtMessage, twipsRect(4800, 3600, 1815, 495));
    txtMessage->setFont(ui::dialogFont());
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage->setTabChangesFocus(true);
    ui::setTextColour(txtMessage, colour::Black);

    txtFriendName =
        createPromptBox(referralPanel, u"txtFriendName"_s, twipsRect(85, 720, 3375, 285));
    txtFriendEmail =
        createPromptBox(referralPanel, u"txtFriendEmail"_s, twipsRect(3600, 720, 3375, 285));
    txtEmail = createPromptBox(referralPanel, u"txtEmail"_s, twipsRect(3600, 360, 3375, 285));
    referButton = ui::createButton(referralPanel, {.name = u"cmdSubmit"_s,
                                                   .caption = tr("Refer A Friend &Now"),
                                                   .geometry = twipsRect(1920, 1080, 3375, 285),
                                                   .font = ui::boldFont()});
    txtName = createPromptBox(referralPanel, u"txtName"_s, twipsRect(85, 360, 3375, 285));

    using Spaces = PromptTextBox::Spaces;
    using links::ReferralDetails;
    using links::referralPrompt;
    namePrompt = new PromptTextBox(txtName, referralPrompt(&ReferralDetails::senderName));
    emailPrompt =
        new PromptTextBox(txtEmail, referralPrompt(&ReferralDetails::senderEmail), Spaces::Refused);
    messagePrompt = new PromptTextBox(txtMessage, referralPrompt(&ReferralDetails::message));
    friendNamePrompt =
        new PromptTextBox(txtFriendName, referralPrompt(&ReferralDetails::friendName));
    friendEmailPrompt = new PromptTextBox(
        txtFriendEmail, referralPrompt(&ReferralDetails::friendEmail), Spaces::Refused);
    // The prompts are the boxes' only labels; screen readers use them as
    // names whatever the boxes hold.
    for (const PromptTextBox *prompt :
         {namePrompt, emailPrompt, messagePrompt, friendNamePrompt, friendEmailPrompt})
        prompt->box()->setAccessibleName(prompt->prompt());
    namePrompt->setText(namePrompt->prompt());
    emailPrompt->setText(emailPrompt->prompt());
    // Unlike the others, the message box starts with a line break after its
    // prompt, so taking the focus does not clear it.
    messagePrompt->setText(messagePrompt->prompt() + u"\r\n"_s);
    friendNamePrompt->setText(friendNamePrompt->prompt());
    friendEmailPrompt->setText(friendEmailPrompt->prompt());
}

void frmExitScreen::createWindowControls()
{
    exitButton = ui::createButton(this, {.name = u"cmdClose"_s,
                                         .caption = tr("E&xit"),
                                         .geometry = twipsRect(6000, 2760, 1245, 375),
                                         .font = ui::dialogFont()});

    // A check box drawn as a push button: it looks pressed while ticked, and
    // its click handler clears it at once.
    visitForumButton = ui::createButton(this, {.name = u"Check1"_s,
                                               .caption = ui::exit::visitForumCaption(),
                                               .geometry = twipsRect(30, 2040, 7185, 555),
                                               .font = ui::exitLargeButtonFont(),
                                               .textColour = colour::Blue,
                                               .face = colour::ButtonFace});
    visitForumButton->setCheckable(true);
    // The caption names the forum site, which a build may change.
    constexpr int ButtonMargins = 12;
    ui::shrinkFontToFit(visitForumButton, visitForumButton->width(), ButtonMargins);
    visitForumButton->setAutoDefault(false);
    visitForumButton->setCursor(ui::handCursor());

    iconPicture = new QLabel(this);
    iconPicture->setObjectName(u"picExitScreenIcon"_s);
    ui::placeAtDesigned(iconPicture, twipsRect(360, 120, 540, 540));
    iconPicture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    iconPicture->setFocusPolicy(Qt::StrongFocus);
    // In the keyboard order, so it needs a name for screen readers.
    iconPicture->setAccessibleName(tr("%1 icon").arg(app::ApplicationTitle));

    supportMessageLabel = ui::createLabel(this, {.name = u"Label2"_s,
                                                 .text = ui::exit::supportMessage(1),
                                                 .geometry = twipsRect(120, 840, 6975, 1095),
                                                 .font = ui::largeBoldFont(),
                                                 .textColour = colour::Black});
    captionLabel = ui::createLabel(this, {.name = u"lblExitScreenCaption"_s,
                                          .geometry = twipsRect(1080, 240, 720, 435),
                                          .font = ui::exitCaptionFont(),
                                          .textColour = colour::Black,
                                          .sizedToText = true});
}

void frmExitScreen::setKeyboardOrder()
{
    QWidget *const order[] = {exitButton, visitForumButton, iconPicture,   txtName,   referButton,
                              txtEmail,   txtFriendEmail,   txtFriendName, txtMessage};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void frmExitScreen::connectControls()
{
    connect(exitButton, &QPushButton::clicked, this, &frmExitScreen::cmdClose_Click);
    connect(visitForumButton, &QPushButton::clicked, this, &frmExitScreen::visitForumButton_Click);
    connect(softwaresLink, &LinkLabel::clicked, this, &frmExitScreen::lblGoToHome_Click);
    connect(referButton, &QPushButton::clicked, this, &frmExitScreen::cmdSubmit_Click);
}
