#include "app/UpdateQuestion.h"
#include "links/PageAddresses.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/UrlOpener.h"
#include "settings/SettingsStore.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <utility>
#include <vector>

using namespace Qt::Literals::StringLiterals;
using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;
using platform::MessageRequest;
using settings::SettingsStore;

Q_DECLARE_METATYPE(MessageAnswer)

namespace {

const QDate Today(2026, 12, 7);
const QString TodayText = u"2026-12-07"_s;
const QString Question =
    u"There maybe an update to this software available\nDo you want to check for an update?"_s;

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// What the store file held when the download page was opened.
struct PageOpening
{
    QString address;
    QString install;
    QString duration;
};

// Stands in for the message box, the browser and the clock while it lives: answers
// every question with `answer`, records questions and opened pages; it is noon of `today`.
class Fakes
{
public:
    explicit Fakes(QString storePath, MessageAnswer answerGiven = MessageAnswer::No,
                   const QDate &today = Today)
        : answer(answerGiven)
        , m_storePath(std::move(storePath))
        , m_boxes([this](const MessageRequest &request) {
            questions.push_back(request);
            return answer;
        })
        , m_browser([this](const QString &address) {
            SettingsStore store(m_storePath);
            pages.push_back({address, store.value(u"Install"_s), store.value(u"Duration"_s)});
        })
        , m_clock(QDateTime(today, QTime(12, 0)))
    {}

    MessageAnswer answer;
    std::vector<MessageRequest> questions;
    std::vector<PageOpening> pages;

private:
    QString m_storePath;
    platform::ScopedMessageBoxHandler m_boxes;
    platform::ScopedUrlOpener m_browser;
    platform::ScopedClock m_clock;
};

} // namespace

class UpdateReminderTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_path;
    int m_fileCount = 0;

    // Fills the store file; a null value leaves its key out.
    bool seed(const QString &install, const QString &duration)
    {
        SettingsStore store(m_path);
        bool ok = true;
        if (!install.isNull())
            ok = store.setValue(u"Install"_s, install) && ok;
        if (!duration.isNull())
            ok = store.setValue(u"Duration"_s, duration) && ok;
        return ok;
    }

    // Runs the reminder once on the store file, as one start of the program
    // does, with the store closed again afterwards.
    void checkOnce()
    {
        SettingsStore store(m_path);
        app::CheckUpdateReminder(store);
    }

    // What the store file holds: the install count and the reminder's date.
    QStringList recorded()
    {
        SettingsStore fresh(m_path);
        return {fresh.value(u"Install"_s), fresh.value(u"Duration"_s)};
    }

    // Adds a comment line that any rewrite of the file would drop, so an
    // unchanged file shows that nothing was written.
    bool markFile()
    {
        QFile file(m_path);
        return file.open(QIODevice::Append) && file.write("; untouched\n") > 0;
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        // QSettings caches the files it has read for the whole process,
        // changes it failed to write included; a new file for every test keeps
        // the tests apart.
        m_path = m_dir.filePath(u"reminder%1.ini"_s.arg(++m_fileCount));
    }

    void firstRun_recordsTodayAndAsksNothing_data()
    {
        QTest::addColumn<QString>("install");
        QTest::addColumn<QString>("duration");

        QTest::newRow("emptyStore") << QString() << QString();
        QTest::newRow("installOnly") << u"9"_s << QString();
        QTest::newRow("emptyDate") << u"9"_s << u""_s;
        QTest::newRow("dateAsWord") << u"9"_s << u"yesterday"_s;
        QTest::newRow("impossibleDate") << u"9"_s << u"2026-13-45"_s;
        QTest::newRow("february30") << u"9"_s << u"2025-02-30"_s;
        QTest::newRow("usDateOrder") << u"9"_s << u"11/01/2025"_s;
    }

    void firstRun_recordsTodayAndAsksNothing()
    {
        QFETCH(QString, install);
        QFETCH(QString, duration);
        QVERIFY(seed(install, duration));
        Fakes fakes(m_path, MessageAnswer::Yes);
        checkOnce();
        QCOMPARE(fakes.questions.size(), 0u);
        QCOMPARE(fakes.pages.size(), 0u);

        QCOMPARE(recorded(), QStringList({u"1"_s, TodayText}));
    }

    void firstRun_fileHoldsScrambledNamesAndValues()
    {
        Fakes fakes(m_path);
        checkOnce();
        const QString text = QString::fromUtf8(readFile(m_path));
        QVERIFY2(text.contains(u"\nLqvwdoo=4\n"_s), qPrintable(text));
        QVERIFY2(text.contains(u"\nGxudwlrq=535904503:\n"_s), qPrintable(text));
        QVERIFY2(!text.contains(u"Install"_s), qPrintable(text));
        QVERIFY2(!text.contains(u"Duration"_s), qPrintable(text));
        QVERIFY2(!text.contains(TodayText), qPrintable(text));
    }

    void withinTwoWeeks_asksNothingAndWritesNothing_data()
    {
        QTest::addColumn<int>("daysFromToday");
        QTest::addColumn<QDate>("today");

        QTest::newRow("fourteenDaysAgo") << -14 << Today;
        QTest::newRow("yesterday") << -1 << Today;
        QTest::newRow("today") << 0 << Today;
        QTest::newRow("tomorrow") << 1 << Today;
        QTest::newRow("fourteenDaysAhead") << 14 << Today;
        QTest::newRow("fourteenDaysAgoOverYearEnd") << -14 << QDate(2028, 1, 1);
    }

    void withinTwoWeeks_asksNothingAndWritesNothing()
    {
        QFETCH(int, daysFromToday);
        QFETCH(QDate, today);
        QVERIFY(seed(u"-3"_s, today.addDays(daysFromToday).toString(Qt::ISODate)));
        QVERIFY(markFile());
        const QByteArray before = readFile(m_path);
        Fakes fakes(m_path, MessageAnswer::Yes, today);
        checkOnce();
        QCOMPARE(fakes.questions.size(), 0u);
        QCOMPARE(fakes.pages.size(), 0u);
        QCOMPARE(readFile(m_path), before);
    }

    void beyondTwoWeeks_asksAndRecordsToday_data()
    {
        QTest::addColumn<int>("daysFromToday");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QDate>("today");

        QTest::newRow("fifteenDaysAgoYes") << -15 << MessageAnswer::Yes << Today;
        QTest::newRow("fifteenDaysAgoNo") << -15 << MessageAnswer::No << Today;
        QTest::newRow("fifteenDaysAheadYes") << 15 << MessageAnswer::Yes << Today;
        QTest::newRow("fifteenDaysAheadNo") << 15 << MessageAnswer::No << Today;
        QTest::newRow("yearsAgoYes") << -3000 << MessageAnswer::Yes << Today;
        QTest::newRow("yearsAheadNo") << 3000 << MessageAnswer::No << Today;
        QTest::newRow("agoOnThe8th") << -15 << MessageAnswer::Yes << QDate(2026, 12, 8);
        QTest::newRow("agoOnAugust18th") << -15 << MessageAnswer::No << QDate(2026, 8, 18);
        QTest::newRow("agoOverYearEnd") << -15 << MessageAnswer::Yes << QDate(2028, 1, 1);
    }

    void beyondTwoWeeks_asksAndRecordsToday()
    {
        QFETCH(int, daysFromToday);
        QFETCH(MessageAnswer, answer);
        QFETCH(QDate, today);
        QVERIFY(seed(u"6"_s, today.addDays(daysFromToday).toString(Qt::ISODate)));
        Fakes fakes(m_path, answer, today);
        checkOnce();

        QCOMPARE(fakes.questions.size(), 1u);
        const MessageRequest &question = fakes.questions.front();
        QCOMPARE(question.parent, nullptr);
        QCOMPARE(question.text, Question);
        QCOMPARE(question.icon, MessageIcon::Information);
        QCOMPARE(question.buttons, MessageButtons::YesNo);

        if (answer == MessageAnswer::Yes) {
            QCOMPARE(fakes.pages.size(), 1u);
            QCOMPARE(fakes.pages.front().address, links::DownloadPageAddress);
            // Both values are written before the browser is sent off.
            QCOMPARE(fakes.pages.front().install, u"6"_s);
            QCOMPARE(fakes.pages.front().duration, today.toString(Qt::ISODate));
        } else {
            QCOMPARE(fakes.pages.size(), 0u);
        }
        QCOMPARE(recorded(), QStringList({u"6"_s, today.toString(Qt::ISODate)}));
    }

    void installCount_isKeptAsAWholeSize_data()
    {
        QTest::addColumn<QString>("install"); // null: no value kept
        QTest::addColumn<QString>("expected");

        QTest::newRow("plain") << u"7"_s << u"7"_s;
        QTest::newRow("negative") << u"-3"_s << u"3"_s;
        QTest::newRow("halfDownToEven") << u"2.5"_s << u"2"_s;
        QTest::newRow("halfUpToEven") << u"3.5"_s << u"4"_s;
        QTest::newRow("negativeHalf") << u"-2.5"_s << u"2"_s;
        QTest::newRow("halfToZero") << u"0.5"_s << u"0"_s;
        QTest::newRow("zero") << u"0"_s << u"0"_s;
        QTest::newRow("surroundingSpaces") << u"  12  "_s << u"12"_s;
        QTest::newRow("exponent") << u"1e3"_s << u"1000"_s;
        QTest::newRow("largest") << u"2147483647"_s << u"2147483647"_s;
        QTest::newRow("largestNegated") << u"-2147483647"_s << u"2147483647"_s;
        QTest::newRow("smallestHasNoSize") << u"-2147483648"_s << u"1"_s;
        QTest::newRow("pastLargest") << u"2147483648"_s << u"1"_s;
        QTest::newRow("roundsPastLargest") << u"2147483647.5"_s << u"1"_s;
        QTest::newRow("huge") << u"1e300"_s << u"1"_s;
        QTest::newRow("infinity") << u"inf"_s << u"1"_s;
        QTest::newRow("notANumber") << u"nan"_s << u"1"_s;
        QTest::newRow("garbage") << u"lots"_s << u"1"_s;
        QTest::newRow("numberThenText") << u"5x"_s << u"1"_s;
        QTest::newRow("decimalComma") << u"2,5"_s << u"1"_s;
        QTest::newRow("empty") << u""_s << u"1"_s;
        QTest::newRow("missing") << QString() << u"1"_s;
    }

    void installCount_isKeptAsAWholeSize()
    {
        QFETCH(QString, install);
        QFETCH(QString, expected);
        QVERIFY(seed(install, Today.addDays(-30).toString(Qt::ISODate)));
        Fakes fakes(m_path, MessageAnswer::Yes);
        checkOnce();
        QCOMPARE(fakes.questions.size(), 1u);
        QCOMPARE(fakes.pages.size(), 1u);
        QCOMPARE(fakes.pages.front().address, links::DownloadPageAddress);

        QCOMPARE(recorded(), QStringList({expected, TodayText}));
    }

    void answeredToday_secondCallTheSameDayAsksNothing()
    {
        QVERIFY(seed(u"2"_s, Today.addDays(-20).toString(Qt::ISODate)));
        Fakes fakes(m_path, MessageAnswer::Yes);
        SettingsStore store(m_path);
        app::CheckUpdateReminder(store);
        app::CheckUpdateReminder(store);
        SettingsStore other(m_path);
        app::CheckUpdateReminder(other);
        QCOMPARE(fakes.questions.size(), 1u);
        QCOMPARE(fakes.pages.size(), 1u);
    }

    void folderInPlaceOfFile_returnsQuietly()
    {
        QVERIFY(QDir().mkpath(m_path));
        Fakes fakes(m_path, MessageAnswer::Yes);
        {
            SettingsStore store(m_path);
            app::CheckUpdateReminder(store);
            app::CheckUpdateReminder(store);
        }
        QCOMPARE(fakes.questions.size(), 0u);
        QCOMPARE(fakes.pages.size(), 0u);
        QVERIFY(QFileInfo(m_path).isDir());
    }

    void storeLostAfterReading_yesStillOpensThePage()
    {
        QVERIFY(seed(u"5"_s, Today.addDays(-30).toString(Qt::ISODate)));
        Fakes fakes(m_path, MessageAnswer::Yes);
        SettingsStore store(m_path);
        QCOMPARE(store.value(u"Install"_s), u"5"_s);
        // The file turns into a folder after it was read, so every write of
        // the reminder fails.
        QVERIFY(QFile::remove(m_path));
        QVERIFY(QDir().mkpath(m_path));

        app::CheckUpdateReminder(store);
        QCOMPARE(fakes.questions.size(), 1u);
        QCOMPARE(fakes.pages.size(), 1u);
        QCOMPARE(fakes.pages.front().address, links::DownloadPageAddress);
        QVERIFY(!store.setValue(u"Install"_s, u"5"_s));
    }

    void perUserStore_firstRunRecordsTheClocksDate()
    {
        const QString perUserFile = SettingsStore().fileName();
        QFile::remove(perUserFile);
        Fakes fakes(perUserFile);
        app::CheckUpdateReminder();

        QCOMPARE(fakes.questions.size(), 0u);
        SettingsStore fresh;
        QCOMPARE(fresh.value(u"Duration"_s), TodayText);
        QCOMPARE(fresh.value(u"Install"_s), u"1"_s);
    }
};

QTEST_GUILESS_MAIN(UpdateReminderTest)
#include "tst_updatereminder.moc"
