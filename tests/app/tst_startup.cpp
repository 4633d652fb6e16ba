#include "app/frmStartup.h"
#include "links/PageAddresses.h"
#include "links/UrlOpener.h"
#include "platform/InstanceGuard.h"
#include "platform/MessageBox.h"
#include "platform/ProcessEnd.h"
#include "platform/Random.h"
#include "settings/SettingsStore.h"
#include "ui/main/frmMain.h"

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include <vector>

using namespace Qt::Literals::StringLiterals;
using platform::MessageAnswer;
using platform::MessageRequest;

namespace {

struct Message
{
    MessageRequest request;
    bool mainWindowVisible = false;
};

bool mainWindowVisible()
{
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<const frmMain *>(window) && window->isVisible())
            return true;
    }
    return false;
}

// Fakes for everything the start-up sequence must not really do here.
class StartupFakes
{
public:
    explicit StartupFakes(MessageAnswer answer = MessageAnswer::No)
        : m_messages([this, answer](const MessageRequest &request) {
            messages.push_back({request, mainWindowVisible()});
            return request.buttons == platform::MessageButtons::YesNo ? answer : MessageAnswer::Ok;
        })
        , m_browser([this](const QString &address) { addresses.push_back(address); })
        , m_end([this] { ++processEnds; })
        , m_random([] { return 0.0f; })
    {}

    std::vector<Message> messages;
    std::vector<QString> addresses;
    int processEnds = 0;

private:
    platform::ScopedMessageBoxHandler m_messages;
    links::ScopedUrlOpener m_browser;
    platform::ScopedProcessEnd m_end;
    platform::ScopedRandomDraw m_random;
};

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstStart_showsMainWindowWithoutQuestion()
    {
        QFile::remove(settings::SettingsStore().fileName());
        StartupFakes fakes;

        frmStartup startup;
        startup.Form_Load();

        QVERIFY(fakes.messages.empty());
        QVERIFY(fakes.addresses.empty());
        QCOMPARE(fakes.processEnds, 0);
        QVERIFY(mainWindowVisible());
        QVERIFY(!startup.IMGIcon().isNull());
        QCOMPARE(settings::SettingsStore().GetSetting(u"Install"_s), u"1"_s);
        QCOMPARE(settings::SettingsStore().GetSetting(u"Duration"_s),
                 QDate::currentDate().toString(Qt::ISODate));
        // A draw of 0 brings the co-brand offer to the front.
        QCOMPARE(startup.intCoBrandRandomNumber, 1);
        frmMain &mainWindow = startup.mainWindow();
        auto *frame = mainWindow.findChild<QGroupBox *>(u"fraFullBrand"_s);
        QCOMPARE(frame->childAt(frame->rect().center())->objectName(), u"lblCobrand"_s);
    }

    void oldReminderDate_asksBeforeTheMainWindowShows_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }

    void oldReminderDate_asksBeforeTheMainWindowShows()
    {
        QFETCH(bool, yes);
        settings::SettingsStore store;
        store.SaveSetting(u"Install"_s, u"1"_s);
        store.SaveSetting(u"Duration"_s, QDate::currentDate().addDays(-15).toString(Qt::ISODate));
        StartupFakes fakes(yes ? MessageAnswer::Yes : MessageAnswer::No);

        frmStartup startup;
        startup.Form_Load();

        QCOMPARE(fakes.messages.size(), size_t(1));
        QCOMPARE(fakes.messages.front().request.buttons, platform::MessageButtons::YesNo);
        QVERIFY(!fakes.messages.front().mainWindowVisible);
        QVERIFY(mainWindowVisible());
        if (yes)
            QCOMPARE(fakes.addresses, std::vector<QString>{links::DownloadPageAddress.toString()});
        else
            QVERIFY(fakes.addresses.empty());
    }

    void secondCopy_showsOnlyItsMessageAndEnds()
    {
        InstanceGuard runningCopy;
        QVERIFY(!runningCopy.anotherCopyRunning());
        StartupFakes fakes;

        frmStartup startup;
        startup.Form_Load();

        QCOMPARE(fakes.messages.size(), size_t(1));
        const MessageRequest &request = fakes.messages.front().request;
        QCOMPARE(request.text, u"Application is already running"_s);
        QCOMPARE(request.icon, platform::MessageIcon::Information);
        QCOMPARE(request.buttons, platform::MessageButtons::Ok);
        QVERIFY(fakes.processEnds >= 1);
        QVERIFY(startup.loadedForms().isEmpty());
        for (const QWidget *window : QApplication::topLevelWidgets())
            QVERIFY(!window->isVisible());
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
