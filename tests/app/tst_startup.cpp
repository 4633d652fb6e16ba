#include "app/frmStartup.h"
#include "links/PageAddresses.h"
#include "platform/InstanceGuard.h"
#include "platform/MessageBox.h"
#include "platform/ProcessEnd.h"
#include "platform/Random.h"
#include "platform/UrlOpener.h"
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
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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
    platform::ScopedUrlOpener m_browser;
    platform::ScopedProcessEnd m_end;
    platform::ScopedRandomDraw m_random;
};

// What is at the lock path before the start.
enum class InTheWay { Nothing, File, RunningCopy, Symlink, Folder, Pipe };

// Another copy starting at the same moment, 50 ms into this one's look at
// the lock: within the moment a copy is given to hold the file it made, it
// holds that file, or replaces a left lock with one of its own. It lets go
// when it goes.
enum class Meanwhile { Nothing, MakerHoldsIt, AnotherCopyTakesOver };

class OtherCopy
{
public:
    OtherCopy(const QString &path, Meanwhile meanwhile)
        : m_lock(path)
    {
        if (meanwhile == Meanwhile::Nothing)
            return;
        m_thread = std::thread([this, path, meanwhile] {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (meanwhile == Meanwhile::MakerHoldsIt) {
                m_held = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
                ::flock(m_held, LOCK_EX | LOCK_NB);
            } else {
                QFile::remove(path);
                m_lock.tryLock(0);
            }
        });
    }
    ~OtherCopy()
    {
        if (m_thread.joinable())
            m_thread.join();
        if (m_held >= 0)
            ::close(m_held);
    }
    OtherCopy(const OtherCopy &) = delete;
    OtherCopy &operator=(const OtherCopy &) = delete;

private:
    QLockFile m_lock;
    int m_held = -1;
    std::thread m_thread;
};

} // namespace

Q_DECLARE_METATYPE(InTheWay)
Q_DECLARE_METATYPE(Meanwhile)

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
        QCOMPARE(settings::SettingsStore().value(u"Install"_s), u"1"_s);
        QCOMPARE(settings::SettingsStore().value(u"Duration"_s),
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
        store.setValue(u"Install"_s, u"1"_s);
        store.setValue(u"Duration"_s, QDate::currentDate().addDays(-15).toString(Qt::ISODate));
        StartupFakes fakes(yes ? MessageAnswer::Yes : MessageAnswer::No);

        frmStartup startup;
        startup.Form_Load();

        QCOMPARE(fakes.messages.size(), size_t(1));
        QCOMPARE(fakes.messages.front().request.buttons, platform::MessageButtons::YesNo);
        QVERIFY(!fakes.messages.front().mainWindowVisible);
        QVERIFY(mainWindowVisible());
        if (yes)
            QCOMPARE(fakes.addresses, std::vector<QString>{links::DownloadPageAddress});
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

    // Only a running copy refuses the start, or one taking the lock at this
    // very moment; whatever else is where the lock goes lets this copy run.
    void lockFile_onlyARunningCopyRefusesTheStart_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<InTheWay>("inTheWay");
        QTest::addColumn<QByteArray>("leftBehind");
        QTest::addColumn<int>("ageInDays");
        QTest::addColumn<Meanwhile>("meanwhile");
        QTest::addColumn<bool>("refused");

        const QString lock = u"app.lock"_s;
        const QByteArray none;
        const QByteArray otherHost = "4242\nKeloFreeDiabetesRiskCalculator\nanother-host\n";
        const auto runs = Meanwhile::Nothing;
        QTest::newRow("emptyLeftJustNow") << lock << InTheWay::File << none << 0 << runs << false;
        QTest::newRow("emptyLeftLongAgo") << lock << InTheWay::File << none << 30 << runs << false;
        // Left by a copy whose clock was ahead, or before the clock went back.
        QTest::newRow("emptyLeftTomorrow") << lock << InTheWay::File << none << -1 << runs << false;
        QTest::newRow("garbage") << lock << InTheWay::File << "\xff\x00?\n\n\n\n"_ba << 1 << runs
                                 << false;
        QTest::newRow("otherHost") << lock << InTheWay::File << otherHost << 1 << runs << false;
        QTest::newRow("runningCopyFresh")
            << lock << InTheWay::RunningCopy << none << 0 << runs << true;
        QTest::newRow("runningCopyOld")
            << lock << InTheWay::RunningCopy << none << 400 << runs << true;
        QTest::newRow("noFolder") << u"missing/app.lock"_s << InTheWay::Nothing << none << 0 << runs
                                  << false;
        // Not even root may make a file there.
        QTest::newRow("unwritableFolder")
            << u"/proc/app.lock"_s << InTheWay::Nothing << none << 0 << runs << false;
        // Lock files that cannot be judged: one that may not be opened, one
        // that may not be removed. They stay, and this copy runs unguarded.
        QTest::newRow("symlinkToNowhere")
            << lock << InTheWay::Symlink << none << 0 << runs << false;
        QTest::newRow("folderRefusesRemoval")
            << lock << InTheWay::Folder << none << 0 << runs << false;
        // Read by QLockFile, it would hold the start for ever.
        QTest::newRow("namedPipe") << lock << InTheWay::Pipe << none << 0 << runs << false;
        // Another copy starting at the same moment: it made the file and
        // holds it a moment later, or took a left lock over with a file of
        // its own; either way it runs, and this copy is refused.
        QTest::newRow("copyHoldingItsNewFile")
            << lock << InTheWay::File << none << 0 << Meanwhile::MakerHoldsIt << true;
        QTest::newRow("copyTakingTheLeftLockOver")
            << lock << InTheWay::File << none << 0 << Meanwhile::AnotherCopyTakesOver << true;
    }

    void lockFile_onlyARunningCopyRefusesTheStart()
    {
        QFETCH(QString, place);
        QFETCH(InTheWay, inTheWay);
        QFETCH(QByteArray, leftBehind);
        QFETCH(int, ageInDays);
        QFETCH(Meanwhile, meanwhile);
        QFETCH(bool, refused);
        QTemporaryDir dir;
        const QString path = dir.filePath(place);
        std::optional<QLockFile> runningCopy;
        switch (inTheWay) {
        case InTheWay::Nothing:
            break;
        case InTheWay::File: {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(leftBehind) == leftBehind.size());
            break;
        }
        case InTheWay::RunningCopy:
            runningCopy.emplace(path);
            QVERIFY(runningCopy->tryLock(0));
            break;
        case InTheWay::Symlink:
            QVERIFY(QFile::link(dir.filePath(u"nowhere"_s), path));
            break;
        case InTheWay::Folder:
            QVERIFY(QDir(dir.path()).mkdir(place));
            break;
        case InTheWay::Pipe:
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            break;
        }
        QFile file(path);
        if (ageInDays != 0)
            QVERIFY(file.open(QIODevice::ReadWrite) &&
                    file.setFileTime(QDateTime::currentDateTime().addDays(-ageInDays),
                                     QFileDevice::FileModificationTime));

        platform::InstanceGuard guard(path);
        {
            const OtherCopy otherCopy(path, meanwhile);
            QCOMPARE(guard.anotherCopyRunning(), refused);
            // The lock, or what was in its way; nothing where none can be made.
            QCOMPARE(QFileInfo(path).isSymLink() || QFileInfo::exists(path),
                     place == u"app.lock"_s);
        }
        const bool lockable = inTheWay == InTheWay::File || inTheWay == InTheWay::RunningCopy;
        // A copy that runs holds the lock, so that a third copy is refused.
        qint64 owner = 0;
        if (!refused && lockable) {
            QVERIFY(QLockFile(path).getLockInfo(&owner, nullptr, nullptr));
            QCOMPARE(owner, QCoreApplication::applicationPid());
        }
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
