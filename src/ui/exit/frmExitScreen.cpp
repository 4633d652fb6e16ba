#include "frmExitScreen.h"

#include "ExitScreenTexts.h"
#include "PromptTextBox.h"
#include "platform/Colours.h"
#include "platform/Fonts.h"
#include "platform/HandCursor.h"
#include "platform/Twips.h"
#include "platform/WindowPlacement.h"
#include "ui/Controls.h"
#include "ui/LinkLabel.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;
using platform::twipsRect;
namespace colour = platform::colour;

namespace {

constexpr QRgb Black = 0x000000;
constexpr QRgb Blue = 0x0000C0;
constexpr QRgb NavyBlue = 0x000080;
constexpr QRgb Yellow = 0xFFFF00;

// The system's dialog font.
QFont defaultFont()
{
    return platform::msSansSerif(8.25);
}
QFont frameFont()
{
    return platform::verdana(9.75, {.bold = true});
}

QLineEdit *createPromptBox(QWidget *frame, const QString &name, QRect geometry)
{
    return ui::createTextBox(
        frame, {.name = name, .geometry = geometry, .font = defaultFont(), .textColour = Black});
}

} // namespace

frmExitScreen::frmExitScreen(const QIcon &applicationIcon, QWidget *parent)
    : QWidget(parent)
{
    createWindow();
    createSoftwarePanel();
    createReferralPanel();
    createWindowControls();
    setKeyboardOrder();
    connectControls();
    Form_Load(applicationIcon);
    platform::centreOnScreen(this);
}

void frmExitScreen::createWindow()
{
    setObjectName(u"frmExitScreen"_s);
    // Close box only, and above every other window of the desktop. Flags
    // must be set before the window is first shown.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setFixedSize(platform::twipsSize(11115, 4725));
    setFont(defaultFont());
    platform::setBackgroundColour(this, colour::White);
}

void frmExitScreen::createSoftwarePanel()
{
    Frame6 = ui::createFrame(this, {.name = u"Frame6"_s,
                                    .caption = u"Download Orvane Softwares"_s,
                                    .geometry = twipsRect(7320, 120, 3735, 4575),
                                    .font = frameFont(),
                                    .textColour = colour::White,
                                    .background = NavyBlue});
    lblGoToHome = ui::createLinkLabel(
        Frame6, {.name = u"lblGoToHome"_s,
                 .text = u"Click Here To Visit Orvane Softwares"_s,
                 .geometry = twipsRect(75, 4250, 3585, 210),
                 .font = platform::verdana(9, {.bold = true, .underline = true}),
                 .textColour = Yellow,
                 .sizedToText = true});
    Label3 = ui::createLabel(Frame6, {.name = u"Label3"_s,
                                      .text = exitscreen::promotionText(),
                                      .geometry = twipsRect(120, 360, 3495, 3855),
                                      .font = platform::verdana(9),
                                      .textColour = colour::White});
}

void frmExitScreen::createReferralPanel()
{
    Frame2 = ui::createFrame(this, {.name = u"Frame2"_s,
                                    .caption = u"Refer A Friend"_s,
                                    .geometry = twipsRect(120, 3240, 7065, 1455),
                                    .font = frameFont(),
                                    .textColour = colour::White,
                                    .background = NavyBlue});

    // Below the frame's visible area: never seen, yet in the keyboard order.
    txtMessage = new QPlainTextEdit(Frame2);
    txtMessage->setObjectName(u"txtMessage"_s);
    txtMessage->setGeometry(twipsRect(4800, 3600, 1815, 495));
    txtMessage->setFont(defaultFont());
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage->setTabChangesFocus(true);
    platform::setTextColour(txtMessage, Black);

    txtFriendName = createPromptBox(Frame2, u"txtFriendName"_s, twipsRect(85, 720, 3375, 285));
    txtFriendEmail = createPromptBox(Frame2, u"txtFriendEmail"_s, twipsRect(3600, 720, 3375, 285));
    txtEmail = createPromptBox(Frame2, u"txtEmail"_s, twipsRect(3600, 360, 3375, 285));
    cmdSubmit = ui::createButton(Frame2, {.name = u"cmdSubmit"_s,
                                          .caption = u"Refer A Friend &Now"_s,
                                          .geometry = twipsRect(1920, 1080, 3375, 285),
                                          .font = platform::verdana(8.25, {.bold = true})});
    txtName = createPromptBox(Frame2, u"txtName"_s, twipsRect(85, 360, 3375, 285));

    using Spaces = PromptTextBox::Spaces;
    m_name = new PromptTextBox(txtName, u"Your Name"_s);
    m_email = new PromptTextBox(txtEmail, u"Your Email Address"_s, Spaces::Refused);
    m_message = new PromptTextBox(txtMessage, u"Your Message"_s);
    m_friendName = new PromptTextBox(txtFriendName, u"Friend's Name"_s);
    m_friendEmail = new PromptTextBox(txtFriendEmail, u"Friend's Email Address"_s, Spaces::Refused);
    // The prompts are the boxes' only labels; screen readers use them as
    // names whatever the boxes hold.
    for (const PromptTextBox *prompt : {m_name, m_email, m_message, m_friendName, m_friendEmail})
        prompt->box()->setAccessibleName(prompt->prompt());
    m_name->setText(m_name->prompt());
    m_email->setText(m_email->prompt());
    // Unlike the others, the message box starts with a line break after its
    // prompt, so taking the focus does not clear it.
    m_message->setText(m_message->prompt() + u"\r\n"_s);
    m_friendName->setText(m_friendName->prompt());
    m_friendEmail->setText(m_friendEmail->prompt());
}

void frmExitScreen::createWindowControls()
{
    cmdClose = ui::createButton(this, {.name = u"cmdClose"_s,
                                       .caption = u"E&xit"_s,
                                       .geometry = twipsRect(6000, 2760, 1245, 375),
                                       .font = defaultFont()});

    // A check box drawn as a push button: it looks pressed while ticked, and
    // its click handler clears it at once.
    Check1 = ui::createButton(this, {.name = u"Check1"_s,
                                     .caption = exitscreen::visitForumCaption(),
                                     .geometry = twipsRect(30, 2040, 7185, 555),
                                     .font = platform::verdana(14.25)});
    Check1->setCheckable(true);
    // The caption names the forum site, which a build may change.
    constexpr int ButtonMargins = 12;
    ui::shrinkFontToFit(Check1, Check1->width(), ButtonMargins);
    Check1->setAutoDefault(false);
    Check1->setCursor(platform::handCursor());
    platform::setTextColour(Check1, Blue);

    picExitScreenIcon = new QLabel(this);
    picExitScreenIcon->setObjectName(u"picExitScreenIcon"_s);
    picExitScreenIcon->setGeometry(twipsRect(360, 120, 540, 540));
    picExitScreenIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picExitScreenIcon->setFocusPolicy(Qt::StrongFocus);

    Label2 = ui::createLabel(this, {.name = u"Label2"_s,
                                    .text = exitscreen::supportMessage(1),
                                    .geometry = twipsRect(120, 840, 6975, 1095),
                                    .font = platform::verdana(9.75, {.bold = true}),
                                    .textColour = Black});
    lblExitScreenCaption = ui::createLabel(this, {.name = u"lblExitScreenCaption"_s,
                                                  .geometry = twipsRect(1080, 240, 720, 435),
                                                  .font = platform::msSansSerif(18),
                                                  .textColour = Black,
                                                  .sizedToText = true});
}

void frmExitScreen::setKeyboardOrder()
{
    QWidget *const order[] = {cmdClose, Check1,         picExitScreenIcon, txtName,   cmdSubmit,
                              txtEmail, txtFriendEmail, txtFriendName,     txtMessage};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void frmExitScreen::connectControls()
{
    connect(cmdClose, &QPushButton::clicked, this, &frmExitScreen::cmdClose_Click);
    connect(Check1, &QPushButton::clicked, this, &frmExitScreen::Check1_Click);
    connect(lblGoToHome, &LinkLabel::clicked, this, &frmExitScreen::lblGoToHome_Click);
    connect(cmdSubmit, &QPushButton::clicked, this, &frmExitScreen::cmdSubmit_Click);
}
