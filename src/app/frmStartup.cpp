#include "frmStartup.h"

#include "AppConstants.h"

#include "CoBrand.h"
#include "UpdateQuestion.h"
#include "platform/InstanceGuard.h"
#include "platform/MessageBox.h"
#include "platform/ProcessEnd.h"
#include "platform/Random.h"
#include "ui/exit/frmExitScreen.h"
#include "ui/main/frmMain.h"

#include <QApplication>

using namespace Qt::Literals::StringLiterals;

frmStartup::frmStartup(const ui::UserLocale &locale)
    : m_icon(app::ApplicationIconResource.toString())
    , m_locale(locale)
{
    setObjectName(u"frmStartup"_s);
}

// The exit screen goes before the main window it was shown for.
frmStartup::~frmStartup() = default;

void frmStartup::Form_Load()
{
    QApplication::setWindowIcon(m_icon);

    m_instanceGuard = std::make_unique<platform::InstanceGuard>();
    if (m_instanceGuard->anotherCopyRunning()) {
        platform::showMessage(nullptr, tr("Application is already running"),
                              platform::MessageIcon::Information);
        QuitProgram();
        return;
    }

    platform::seedRandomDraws();
    app::CheckUpdateReminder();
    mainWindow().show();
    CoBrand_Randomize();
}

void frmStartup::CoBrand_Randomize()
{
    intCoBrandRandomNumber = static_cast<qint16>(app::coBrandNumber(platform::randomDraw()));
    switch (app::coBrandEffect(intCoBrandRandomNumber)) {
    case app::CoBrandEffect::CoBrandInFront:
        mainWindow().BringOfferToFront(frmMain::Offer::CoBrand);
        break;
    case app::CoBrandEffect::FullBrandInFront:
        mainWindow().BringOfferToFront(frmMain::Offer::FullBrand);
        break;
    case app::CoBrandEffect::NoChange:
        break;
    }
}

frmMain &frmStartup::mainWindow()
{
    if (!m_mainWindow) {
        m_mainWindow = std::make_unique<frmMain>(m_locale);
        connect(m_mainWindow.get(), &frmMain::unloading, this, &frmStartup::RunShutdownSequence);
    }
    return *m_mainWindow;
}

frmExitScreen &frmStartup::exitScreen()
{
    if (!m_exitScreen) {
        m_exitScreen = std::make_unique<frmExitScreen>(IMGIcon());
        connect(m_exitScreen.get(), &frmExitScreen::quitRequested, this, &frmStartup::QuitProgram);
    }
    return *m_exitScreen;
}

void frmStartup::RunShutdownSequence()
{
    if (m_quitting)
        return;
    frmExitScreen &screen = exitScreen();
    screen.show();
    screen.raise();
    screen.activateWindow();
    // The main window goes once this returns.
}

void frmStartup::QuitProgram()
{
    if (m_quitting)
        return;
    m_quitting = true;
    if (m_mainWindow)
        m_mainWindow->close();
    if (m_exitScreen)
        m_exitScreen->close();
    platform::endProcess();
}
