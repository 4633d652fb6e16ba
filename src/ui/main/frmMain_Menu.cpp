// The main window's menu bar and its three link labels. Every entry is one
// call: a page of the maker's site, the score or About window, saving or
// printing the result, or closing the window.

#include "frmMain.h"

#include "links/PageOpeners.h"
#include "platform/Clock.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "report/PdfFile.h"
#include "report/PrintingModule.h"
#include "report/ResultPage.h"
#include "ui/LinkLabel.h"
#include "ui/about/frmAbout.h"
#include "ui/look/ResultPageLook.h"
#include "ui/score/frmScore.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

QAction *addEntry(QWidget *menu, const QString &name, const QString &caption,
                  const QKeySequence &shortcut = {})
{
    auto *entry = new QAction(caption, menu);
    entry->setObjectName(name);
    entry->setShortcut(shortcut);
    menu->addAction(entry);
    return entry;
}

void addSeparator(QMenu *menu, const QString &name)
{
    menu->addSeparator()->setObjectName(name);
}

// Whether the file at `path` may be written: yes where there is none, else
// as the user answers.
bool mayWrite(QWidget *owner, const QString &path)
{
    return !QFileInfo::exists(path) ||
           platform::showMessage(owner,
                                 frmMain::tr("%1 already exists.\nDo you want to replace it?")
                                     .arg(QDir::toNativeSeparators(path)),
                                 platform::MessageIcon::Information,
                                 platform::MessageButtons::YesNo) == platform::MessageAnswer::Yes;
}

} // namespace

void frmMain::createMenuBar()
{
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(u"menuBar"_s);
    // Menus are drawn in the desktop's menu font, not the window's Verdana.
    menuBar->setFont(QApplication::font("QMenuBar"));

    mnuFile = menuBar->addMenu(tr("&File"));
    mnuFile->setObjectName(u"mnuFile"_s);
    // Print and Save as PDF are off until a result shows.
    mnuPrint = addEntry(mnuFile, u"mnuPrint"_s, tr("&Print Result..."), QKeySequence::Print);
    mnuSavePdf = addEntry(mnuFile, u"mnuSavePdf"_s, tr("Save Result as P&DF..."),
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    addSeparator(mnuFile, u"mnuFileSep"_s);
    mnuExit = addEntry(mnuFile, u"mnuExit"_s, tr("E&xit"));
    enableResultActions();

    mnuHelp = menuBar->addMenu(tr("&Help"));
    mnuHelp->setObjectName(u"mnuHelp"_s);
    mnuOnline = addEntry(mnuHelp, u"mnuOnline"_s, tr("&Online Help"));
    mnuVisit = addEntry(mnuHelp, u"mnuVisit"_s, tr("&Visit Us Online"));
    addSeparator(mnuHelp, u"mnuSep1"_s);
    mnuUpdate = addEntry(mnuHelp, u"mnuUpdate"_s, tr("Check for Software &Update"));
    addSeparator(mnuHelp, u"mnuSep2"_s);
    mnuScore = addEntry(mnuHelp, u"mnuScore"_s, tr("How Is My Score &Calculated?"));
    mnuAbout = addEntry(mnuHelp, u"mnuAbout"_s, tr("&About Software"));

    // Commands on the menu bar itself: choosing them acts at once.
    mnuDonate = addEntry(menuBar, u"mnuDonate"_s, tr("&Donate"));
    mnuMakeMoney = addEntry(menuBar, u"mnuMakeMoney"_s, tr("Make Money &Online"));
    // Switched off for good; nothing in the program switches it on.
    mnuMakeMoney->setEnabled(false);

    windowLayout->setMenuBar(menuBar);

    // F10 opens the first menu whatever the keyboard layout, as on Windows
    // and GNOME. A lone Alt puts the focus on the menu bar by itself: Qt's
    // menu bar does so where the style says so, as Fusion does.
    auto *openFirstMenu = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(openFirstMenu, &QShortcut::activated, this, &frmMain::openFirstMenu);
}

void frmMain::openFirstMenu()
{
    menuBar->setActiveAction(mnuFile->menuAction());
    // Its first entry the user can choose takes the focus, as after Alt+F.
    const QList<QAction *> entries = mnuFile->actions();
    const auto choosable = std::find_if(entries.cbegin(), entries.cend(), [](QAction *entry) {
        return entry->isEnabled() && !entry->isSeparator();
    });
    if (choosable != entries.cend())
        mnuFile->setActiveAction(*choosable);
}

void frmMain::connectMenuAndLinks()
{
    connect(mnuPrint, &QAction::triggered, this, &frmMain::mnuPrint_Click);
    connect(mnuSavePdf, &QAction::triggered, this, &frmMain::mnuSavePdf_Click);
    connect(mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(mnuOnline, &QAction::triggered, this, &frmMain::mnuOnline_Click);
    connect(mnuVisit, &QAction::triggered, this, &frmMain::mnuVisit_Click);
    connect(mnuUpdate, &QAction::triggered, this, &frmMain::mnuUpdate_Click);
    connect(mnuScore, &QAction::triggered, this, &frmMain::mnuScore_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
    connect(mnuDonate, &QAction::triggered, this, &frmMain::mnuDonate_Click);
    connect(mnuMakeMoney, &QAction::triggered, this, &frmMain::mnuMakeMoney_Click);
    connect(forumLink, &LinkLabel::clicked, this, &frmMain::forumLink_Click);
    connect(coBrandOffer, &LinkLabel::clicked, this, &frmMain::lblCobrand_Click);
    connect(fullBrandOffer, &LinkLabel::clicked, this, &frmMain::lblFullBrand_Click);
}

void frmMain::enableResultActions()
{
    const bool resultShows = shownResult.has_value();
    mnuPrint->setEnabled(resultShows);
    mnuSavePdf->setEnabled(resultShows);
}

// The one page that is both printed and saved, for the result in front.
std::unique_ptr<QTextDocument> frmMain::resultPageShown() const
{
    return report::resultPage(*shownResult, userLocale.locale, ui::resultPageLook());
}

void frmMain::mnuPrint_Click()
{
    if (!shownResult)
        return;
    const std::unique_ptr<QTextDocument> page = resultPageShown();
    if (const std::optional<QString> problem = report::printPage(this, *page))
        platform::showMessage(this, *problem, platform::MessageIcon::Critical);
}

void frmMain::mnuSavePdf_Click()
{
    if (!shownResult)
        return;
    const QString chosen =
        platform::askSaveFileName({.parent = this,
                                   .caption = tr("Save Result as PDF"),
                                   .startPath = report::suggestedPdfPath(platform::today()),
                                   .filter = tr("PDF files (*.pdf)"),
                                   .defaultSuffix = u"pdf"_s});
    if (chosen.isEmpty())
        return;
    // Qt's own dialog adds the suffix itself and asks about the file it
    // names; a desktop's dialog may give the name as typed, and was then
    // asked about another file.
    const QString path = report::withPdfSuffix(chosen);
    if (path != chosen && !mayWrite(this, path))
        return;
    if (const std::optional<QString> problem =
            report::writeResultPdf(*resultPageShown(), path, QPageSize(userLocale.paper))) {
        platform::showMessage(
            this, tr("Could not save \"%1\": %2").arg(QDir::toNativeSeparators(path), *problem),
            platform::MessageIcon::Critical);
    }
}

void frmMain::mnuScore_Click()
{
    // Built afresh for every opening from the result in front, if one is;
    // modal and owned by this window, like About.
    frmScore score(shownResult, userLocale.units, this);
    score.exec();
}

void frmMain::mnuExit_Click()
{
    close();
}

void frmMain::mnuOnline_Click()
{
    links::OpenHelpWebPage();
}

void frmMain::mnuVisit_Click()
{
    links::OpenHomePage();
}

void frmMain::mnuUpdate_Click()
{
    // Unlike the reminder at start-up, this asks nothing and records nothing.
    links::OpenDownloadWebPage();
}

void frmMain::mnuAbout_Click()
{
    // Built afresh for every opening; modal and owned by this window, so that
    // it stays above it and this window takes no input until it closes.
    frmAbout about(this);
    about.exec();
}

void frmMain::mnuDonate_Click()
{
    links::OpenDonatePage();
}

// Its entry is switched off for good, so no user reaches this; it stays as
// the entry's designed action, the full-branding page, kept with its entry.
void frmMain::mnuMakeMoney_Click()
{
    links::OpenFullyBrandedPage();
}

void frmMain::forumLink_Click()
{
    links::OpenHomePage();
}

void frmMain::lblCobrand_Click()
{
    links::OpenCoBrandPage();
}

void frmMain::lblFullBrand_Click()
{
    links::OpenFullyBrandedPage();
}
