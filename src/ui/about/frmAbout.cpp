#include "frmAbout.h"

#include "AppConstants.h"
#include "links/PageOpeners.h"
#include "platform/WindowPlacement.h"
#include "ui/Controls.h"
#include "ui/LinkLabel.h"
#include "ui/Mirroring.h"
#include "ui/look/Colours.h"
#include "ui/look/Twips.h"
#include "ui/look/WindowFonts.h"

#include <QApplication>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;
using ui::twipsRect;
namespace colour = ui::colour;
using ui::windowFont;

namespace {

constexpr int IconPixels = 32;

} // namespace

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent)
{
    createWindow();
    createControls();
    setTabOrder(okButton, iconPicture);
    okButton->setFocus();
    platform::centreOnScreen(this);
    platform::refuseMaximise(this);
}

void frmAbout::createWindow()
{
    setObjectName(u"frmAbout"_s);
    setWindowTitle(app::WindowCaption.toString());
    setWindowIcon(QIcon(app::ApplicationIconResource.toString()));
    // A title bar with the close box only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(ui::twipsSize(7035, 3285));
    setFont(windowFont());
    ui::setBackgroundColour(this, colour::DarkGreen);
}

void frmAbout::createControls()
{
    iconPicture = new QLabel(this);
    iconPicture->setObjectName(u"picIcon"_s);
    iconPicture->setPixmap(
        QIcon(app::ApplicationIconResource.toString()).pixmap(IconPixels, IconPixels));
    // The picture box takes the size of its picture, from its designed corner.
    ui::placeAtDesigned(iconPicture,
                        QRect(twipsRect(120, 120, 480, 480).topLeft(), iconPicture->sizeHint()));
    // The picture box paints the system's window background behind the icon
    // and can take the focus.
    ui::setBackgroundColour(iconPicture, QApplication::palette().color(QPalette::Window).rgb());
    iconPicture->setFocusPolicy(Qt::StrongFocus);
    // In the keyboard order, so it needs a name for screen readers.
    iconPicture->setAccessibleName(tr("%1 icon").arg(app::ApplicationTitle));

    titleLabel = ui::createLabel(this, {.name = u"Label2"_s,
                                        .text = app::WindowCaption.toString(),
                                        .geometry = twipsRect(720, 195, 5580, 345),
                                        .font = ui::titleFont(),
                                        .textColour = colour::Lavender,
                                        .sizedToText = true});
    description = ui::createLabel(
        this, {.name = u"Label1"_s,
               .text = tr("Kelo Diabetes Risk Calculator is a simple health tool that helps one "
                          "know if they are prone to diabetes which is a very serious disease if "
                          "left untreated. This software acts as a guideline so that you can "
                          "take necessary action before it is too late. All rights to this "
                          "software are held by Orvane Softwares."),
               .geometry = twipsRect(120, 750, 6885, 855),
               .font = windowFont(),
               .textColour = colour::White});
    // Both links end where the OK button ends; sized to their text they grow
    // to the left, so a longer site address still fits the window.
    homePageLink =
        ui::createLinkLabel(this, {.name = u"lblHomePage"_s,
                                   .text = tr("Click here to visit %1").arg(app::SiteBaseAddress),
                                   .geometry = twipsRect(2955, 1605, 4050, 195),
                                   .font = ui::aboutLinkFont(),
                                   .textColour = colour::Lavender,
                                   .alignment = Qt::AlignRight,
                                   .sizedToText = true});
    brandingOffer =
        ui::createLabel(this, {.name = u"Label3"_s,
                               .text = tr("Home Business Opportunity. Start your own Internet "
                                          "business and make money online. Get this software "
                                          "fully branded for your website."),
                               .geometry = twipsRect(120, 1920, 6885, 435),
                               .font = ui::boldFont(),
                               .textColour = colour::BrightGreen});
    brandingDetailsLink = ui::createLinkLabel(this, {.name = u"lblCoBrand"_s,
                                                     .text = tr("Click here for more details."),
                                                     .geometry = twipsRect(4650, 2355, 2355, 195),
                                                     .font = ui::aboutLinkFont(),
                                                     .textColour = colour::Lavender,
                                                     .alignment = Qt::AlignRight,
                                                     .sizedToText = true});

    ui::fitPeers({description, brandingOffer});
    ui::fitPeers({homePageLink, brandingDetailsLink});

    // A rule 2 pixels thick across the whole width, from x = -15 to 7080.
    rule = new QFrame(this);
    rule->setObjectName(u"Line2"_s);
    ui::placeAtDesigned(rule, QRect(ui::twipsToPixels(-15), ui::twipsToPixels(2760) - 1,
                                    ui::twipsToPixels(7080 + 15), 2));
    ui::setBackgroundColour(rule, colour::Lavender);

    okButton = ui::createButton(this, {.name = u"cmdOK"_s,
                                       .caption = tr("OK"),
                                       .geometry = twipsRect(5745, 2880, 1260, 345),
                                       .font = windowFont()});
    // Enter presses it as the default button; Esc and the close box reject
    // the dialog, which closes it the same way.
    okButton->setDefault(true);

    connect(okButton, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(homePageLink, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);
    connect(brandingDetailsLink, &LinkLabel::clicked, this, &frmAbout::lblCoBrand_Click);
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::lblHomePage_Click()
{
    links::OpenHomePage();
}

void frmAbout::lblCoBrand_Click()
{
    // This link belongs to the full-branding offer above it.
    links::OpenFullyBrandedPage();
}
