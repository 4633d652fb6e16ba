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
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

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
        platform::InstanceGuard runningCopy;
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
        for (const QWidget *window : QApplication::topLevelWidgets())
            QVERIFY(!window->isVisible());
    }

    // Only a running copy refuses the start; whatever else is where the lock
    // goes lets this copy run.
    void lockFile_onlyARunningCopyRefusesTheStart_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QByteArray>("leftBehind");
        QTest::addColumn<bool>("heldByRunningCopy");
        QTest::addColumn<int>("ageInDays");

        const QString lock = u"app.lock"_s;
        const QByteArray otherHost = "4242\nKeloFreeDiabetesRiskCalculator\nanother-host\n";
        QTest::newRow("emptyLeftJustNow") << lock << QByteArray() << false << 0;
        QTest::newRow("emptyLeftLongAgo") << lock << QByteArray() << false << 30;
        QTest::newRow("garbage") << lock << "\xff\x00?\n\n\n\n"_ba << false << 1;
        QTest::newRow("otherHost") << lock << otherHost << false << 1;
        QTest::newRow("runningCopyFresh") << lock << QByteArray() << true << 0;
        QTest::newRow("runningCopyOld") << lock << QByteArray() << true << 400;
        QTest::newRow("noFolder") << u"missing/app.lock"_s << QByteArray() << false << 0;
        // Not even root may make a file there.
        QTest::newRow("unwritableFolder") << u"/proc/app.lock"_s << QByteArray() << false << 0;
    }

    void lockFile_onlyARunningCopyRefusesTheStart()
    {
        QFETCH(QString, place);
        QFETCH(QByteArray, leftBehind);
        QFETCH(bool, heldByRunningCopy);
        QFETCH(int, ageInDays);
        QTemporaryDir dir;
        const QString path = dir.filePath(place);
        std::optional<QLockFile> runningCopy;
        if (heldByRunningCopy) {
            runningCopy.emplace(path);
            QVERIFY(runningCopy->tryLock(0));
        } else if (place == u"app.lock"_s) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(leftBehind) == leftBehind.size());
        }
        QFile file(path);
        if (ageInDays > 0)
            QVERIFY(file.open(QIODevice::ReadWrite) &&
                    file.setFileTime(QDateTime::currentDateTime().addDays(-ageInDays),
                                     QFileDevice::FileModificationTime));

        platform::InstanceGuard guard(path);
        QCOMPARE(guard.anotherCopyRunning(), heldByRunningCopy);
        // A copy that runs holds the lock, so that a third copy is refused.
        qint64 owner = 0;
        if (!heldByRunningCopy && place == u"app.lock"_s) {
            QVERIFY(QLockFile(path).getLockInfo(&owner, nullptr, nullptr));
            QCOMPARE(owner, QCoreApplication::applicationPid());
        }
        QCOMPARE(QFile::exists(path), place == u"app.lock"_s);
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
