#include "frmMain.h"

#include "AppConstants.h"
#include "platform/WindowPlacement.h"
#include "ui/CloseOnce.h"
#include "ui/Controls.h"
#include "ui/LinkLabel.h"
#include "ui/Mirroring.h"
#include "ui/accessibility/AccessibleInterfaces.h"
#include "ui/look/Colours.h"
#include "ui/look/Twips.h"
#include "ui/look/WindowFonts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;
using ui::twipsRect;
namespace colour = ui::colour;
using ui::boldFont;
using ui::frameFont;
using ui::windowFont;

namespace {

// The three panels share one rectangle of the window.
constexpr QRect PanelRect = twipsRect(405, 480, 6375, 3735);

} // namespace

frmMain::frmMain(const ui::UserLocale &locale, QWidget *parent)
    : QWidget(parent)
    , userLocale(locale)
{
    ui::installAccessibleInterfaces();
    createWindow();
    createMenuBar();
    auto *client = new QWidget(this);
    client->setObjectName(u"clientArea"_s);
    client->setFixedSize(ui::twipsSize(7185, 5175));
    // The dark green is the client area's; the menu bar keeps the desktop's
    // colours.
    ui::setBackgroundColour(client, colour::DarkGreen);
    windowLayout->addWidget(client);

    createForumInvitation(client);
    panelStack = new QStackedWidget(client);
    ui::placeAtDesigned(panelStack, PanelRect);
    // The questions and result panels are built when first brought to the
    // front, so that the window shows without waiting for them.
    createDetailsPanel();
    createOfferLabels(client);
    connectMenuAndLinks();
    Form_Load();
    platform::centreOnScreen(this);
    platform::refuseMaximise(this);
}

void frmMain::createWindow()
{
    setObjectName(u"frmMain"_s);
    setWindowTitle(app::WindowCaption.toString());
    // The application icon, which the start-up controller sets, applies.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(windowFont());

    // The client area has a fixed size; the menu bar goes above it.
    windowLayout = new QVBoxLayout(this);
    windowLayout->setContentsMargins(0, 0, 0, 0);
    windowLayout->setSpacing(0);
    windowLayout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmMain::createForumInvitation(QWidget *client)
{
    forumLink = ui::createLinkLabel(
        client,
        {.name = u"Label14"_s,
         .text = tr("The Most Popular Online Orvane Discussion Forum. Click Here To Visit %1 "
                    "Now.")
                     .arg(app::ForumName),
         .geometry = twipsRect(1117, 0, 4950, 435),
         .font = ui::mainLinkFont(),
         .textColour = colour::White,
         .alignment = Qt::AlignHCenter});
}

QGroupBox *frmMain::createPanel(Step step, const QString &caption)
{
    // Sized at once, not first when the stack lays it out: the labels that
    // size themselves to their text measure the room their panel gives them.
    QGroupBox *panel = stepPanels[step] =
        ui::createFrame(panelStack, {.name = ui::arrayMemberName(u"fraStep"_s, step),
                                     .caption = caption,
                                     .geometry = QRect(QPoint(0, 0), PanelRect.size()),
                                     .font = frameFont(),
                                     .textColour = colour::White,
                                     .background = colour::Navy});
    panelStack->addWidget(panel);
    return panel;
}

void frmMain::createDetailsPanel()
{
    QGroupBox *panel = createPanel(DetailsStep, tr("Personal Details"));

    auto caption = [&](int index, const QString &text, QRect geometry) {
        return ui::createLabel(panel, {.name = ui::arrayMemberName(u"lblCaption"_s, index),
                                       .text = text,
                                       .geometry = geometry,
                                       .font = boldFont(),
                                       .textColour = colour::PaleGreen});
    };
    diseaseIntro = caption(
        0,
        tr("Diabetes is a very serious disease that can lead to a lot of complications if left "
           "untreated. This can lead to heart disease, strokes, kidney failure and amputations."),
        twipsRect(120, 315, 6135, 570));
    calculatorIntro =
        caption(1,
                tr("Kelo Diabetes Risk Calculator helps you understand this disease better and "
                   "take precaution on time."),
                twipsRect(120, 1005, 6135, 405));

    // The field labels are members of one control array, numbered out of
    // screen order.
    auto label = [&](int index, const QString &text, QRect geometry, Qt::Alignment alignment) {
        return ui::createLabel(panel, {.name = ui::arrayMemberName(u"lblLabel"_s, index),
                                       .text = text,
                                       .geometry = geometry,
                                       .font = boldFont(),
                                       .textColour = colour::PaleGreen,
                                       .alignment = alignment,
                                       .sizedToText = true});
    };
    nameLabel = label(2, tr("Enter Name"), twipsRect(840, 1905, 1140, 195), Qt::AlignRight);
    txtName = ui::createTextBox(panel, {.name = u"txtName"_s,
                                        .geometry = twipsRect(2460, 1822, 3000, 360),
                                        .font = ui::textBoxFont(),
                                        .textColour = colour::Navy});
    heightLabel = label(1, tr("Enter Height"), twipsRect(765, 2381, 1215, 195), Qt::AlignRight);
    cboHeight = ui::createDropDownList(panel, {.name = u"cboHeight"_s,
                                               .geometry = twipsRect(2460, 2321, 1095, 315),
                                               .font = windowFont(),
                                               .textColour = colour::Navy});
    const bool metric = userLocale.units == risktest::UnitSystem::Metric;
    heightUnitLabel = label(4, metric ? tr("centimetres") : tr("feet/inches"),
                            twipsRect(3720, 2381, 1140, 195), Qt::AlignLeft);
    weightLabel = label(0, tr("Enter Weight"), twipsRect(720, 2858, 1260, 195), Qt::AlignRight);
    txtWeight = ui::createTextBox(panel, {.name = u"txtWeight"_s,
                                          .geometry = twipsRect(2460, 2775, 600, 360),
                                          .font = ui::textBoxFont(),
                                          .textColour = colour::Navy});
    weightUnitLabel = label(3, metric ? tr("kilograms") : tr("pounds"),
                            twipsRect(3720, 2865, 705, 195), Qt::AlignLeft);
    // Screen readers name each box after the label before it, and say the
    // unit after its value.
    nameLabel->setBuddy(txtName);
    heightLabel->setBuddy(cboHeight);
    weightLabel->setBuddy(txtWeight);
    txtWeight->setAccessibleDescription(weightUnitLabel->text());
    ui::fitPeers({diseaseIntro, calculatorIntro});
    ui::fitPeers({nameLabel, heightLabel, weightLabel, heightUnitLabel, weightUnitLabel});
    cmdNext = ui::createButton(panel, {.name = u"cmdNext"_s,
                                       .caption = tr("&Take the Diabetes Risk Test"),
                                       .geometry = twipsRect(1387, 3240, 3840, 400),
                                       .font = boldFont()});

    // Only the controls of the panel in front can take the focus, so Tab
    // moves among those.
    QWidget::setTabOrder(txtName, cboHeight);
    QWidget::setTabOrder(cboHeight, txtWeight);
    QWidget::setTabOrder(txtWeight, cmdNext);
    connect(cmdNext, &QPushButton::clicked, this, &frmMain::cmdNext_Click);
}

void frmMain::createQuestionsPanel()
{
    QGroupBox *panel = createPanel(QuestionsStep, tr("Questions"));

    lblQuestionNo = ui::createLabel(panel, {.name = u"lblQuestionNo"_s,
                                            .geometry = twipsRect(2715, 600, 1185, 195),
                                            .font = boldFont(),
                                            .textColour = colour::BrightGreen,
                                            .alignment = Qt::AlignHCenter,
                                            .sizedToText = true});
    lblQuestion = ui::createLabel(panel, {.name = u"lblQuestion"_s,
                                          .geometry = twipsRect(600, 960, 5415, 435),
                                          .font = boldFont(),
                                          .textColour = colour::PaleGreen,
                                          .alignment = Qt::AlignHCenter});
    cboAnswer_Option = ui::createDropDownList(panel, {.name = u"cboAnswer_Option"_s,
                                                      .geometry = twipsRect(1807, 1560, 3000, 315),
                                                      .font = windowFont(),
                                                      .textColour = colour::Navy});
    lblQuestion->setBuddy(cboAnswer_Option);
    announceAnswers();
    cmdNextQuestion = ui::createButton(panel, {.name = u"cmdNextQuestion"_s,
                                               .caption = tr("Next &Question"),
                                               .geometry = twipsRect(2460, 2400, 1695, 375),
                                               .font = boldFont()});

    // The keyboard order goes on from the details panel.
    QWidget::setTabOrder(cmdNext, cmdNextQuestion);
    QWidget::setTabOrder(cmdNextQuestion, cboAnswer_Option);
    connect(cmdNextQuestion, &QPushButton::clicked, this, &frmMain::cmdNextQuestion_Click);
}

void frmMain::createResultPanel()
{
    QGroupBox *panel = createPanel(ResultStep, tr("Result"));

    auto result = [&](int index, const QString &text, QRect geometry, const QFont &font,
                      QRgb textColour) {
        return ui::createLabel(panel, {.name = ui::arrayMemberName(u"lblResult"_s, index),
                                       .text = text,
                                       .geometry = geometry,
                                       .font = font,
                                       .textColour = textColour,
                                       .alignment = Qt::AlignHCenter});
    };
    physicianNote = result(2, risktest::physicianNote(), twipsRect(555, 360, 5505, 405), boldFont(),
                           colour::PaleGreen);
    scoreLine =
        result(0, QString(), twipsRect(555, 1080, 5505, 405), frameFont(), colour::BrightGreen);
    verdictLine =
        result(1, QString(), twipsRect(555, 1560, 5505, 765), boldFont(), colour::PaleGreen);
    cmdMain = ui::createButton(panel, {.name = u"cmdMain"_s,
                                       .caption = tr("&Main Screen"),
                                       .geometry = twipsRect(2460, 3240, 1695, 375),
                                       .font = boldFont()});

    // The keyboard order goes on from the questions panel.
    QWidget::setTabOrder(cboAnswer_Option, cmdMain);
    connect(cmdMain, &QPushButton::clicked, this, &frmMain::cmdMain_Click);
}

void frmMain::createOfferLabels(QWidget *client)
{
    offerFrame = ui::createFrame(client, {.name = u"fraFullBrand"_s,
                                          .geometry = twipsRect(0, 4320, 7185, 855),
                                          .font = windowFont(),
                                          .textColour = colour::White,
                                          .background = colour::DarkGreen});

    auto offer = [&](const QString &name, const QString &text, int top) {
        LinkLabel *label =
            ui::createLinkLabel(offerFrame, {.name = name,
                                             .text = text,
                                             .geometry = twipsRect(120, top, 6945, 615),
                                             .font = ui::mainLinkFont(),
                                             .textColour = colour::White,
                                             .background = colour::DarkGreen,
                                             .alignment = Qt::AlignHCenter});
        return label;
    };
    // Created in this order, the full-brand offer starts in front of the
    // co-brand offer and covers it.
    coBrandOffer =
        offer(u"lblCobrand"_s,
              tr("Co-brand this software for your site.  Increase loyalty and traffic to "
                 "your site. Put your site's name &  link here. See \"Help\" for details.    "
                 "Click Here for more info on co-branding."),
              160);
    fullBrandOffer = offer(u"lblFullBrand"_s,
                           tr("Home Business Opportunity. Start your own Internet business and "
                              "make money online. Get this software fully branded for your "
                              "website. Click here for more details."),
                           165);
    ui::fitPeers({coBrandOffer, fullBrandOffer});
}

void frmMain::BringOfferToFront(Offer offer)
{
    (offer == Offer::CoBrand ? coBrandOffer : fullBrandOffer)->raise();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    ui::closeOnce(event, unloaded, [this] { Form_Unload(); });
}

void frmMain::Form_Unload()
{
    Q_EMIT unloading();
}
