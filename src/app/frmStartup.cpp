#include "frmStartup.h"

#include "AppConstants.h"

#include "CoBrand.h"
#include "platform/InstanceGuard.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "settings/UpdateReminder.h"
#include "ui/main/frmMain.h"

#include <QApplication>

#include <exception>

using namespace Qt::Literals::StringLiterals;

namespace {

// Runs one step of the start-up sequence; a step that fails is abandoned and
// the sequence goes on with the next.
template <typename Step> void resumeNext(Step step)
{
    try {
        step();
    } catch (const std::exception &) {
    }
}

} // namespace

frmStartup::frmStartup()
    : m_icon(app::ApplicationIconResource.toString())
{
    setObjectName(u"frmStartup"_s);
    m_loaded.emplace_back(this);
}

void frmStartup::Form_Load()
{
    resumeNext([this] { QApplication::setWindowIcon(m_icon); });

    bool anotherCopyRunning = false;
    resumeNext([&] {
        m_instanceGuard = std::make_unique<InstanceGuard>();
        anotherCopyRunning = m_instanceGuard->anotherCopyRunning();
    });
    if (anotherCopyRunning) {
        platform::showMessage(nullptr, u"Application is already running"_s,
                              platform::MessageIcon::Information);
        QuitProgram();
        return;
    }

    resumeNext(platform::Randomize);
    resumeNext([] { settings::CheckUpdateReminder(); });
    resumeNext([this] { mainWindow().show(); });
    // The controller is never shown, so there is nothing to hide.
    resumeNext([this] { CoBrand_Randomize(); });
}

void frmStartup::CoBrand_Randomize()
{
    intCoBrandRandomNumber = static_cast<qint16>(app::coBrandNumber(platform::Rnd()));
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

void frmStartup::Form_Unload()
{
    QuitProgram();
}
