#include "StartupBench.h"

#include "app/UpdateQuestion.h"
#include "platform/Clock.h"
#include "settings/SettingsStore.h"
#include "support/Recorders.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <numeric>
#include <string>
#include <vector>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(std::vector<double>)

namespace {

std::vector<std::string_view> split(const QString &arguments, std::vector<std::string> &storage)
{
    storage.clear();
    for (const QString &word : arguments.split(u' ', Qt::SkipEmptyParts))
        storage.push_back(word.toStdString());
    return {storage.begin(), storage.end()};
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The benchmark hands the program a settings file so that it starts straight
// into its main window; a file the program read differently would put a
// question in front of the window, and the benchmark would time that instead.
class StartupBenchTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void settingsFile_startsWithoutQuestion_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::newRow("ordinary") << QDate(2026, 12, 7);
        QTest::newRow("leap day") << QDate(2024, 2, 29);
        QTest::newRow("year end") << QDate(1999, 12, 31);
        QTest::newRow("single digits") << QDate(2001, 1, 1);
        // A scrambled 8 is ";", which the file keeps only in quotes.
        QTest::newRow("an 8 in the day") << QDate(2026, 12, 8);
        QTest::newRow("August") << QDate(2026, 8, 18);
        QTest::newRow("2028") << QDate(2028, 1, 1);
    }
    void settingsFile_startsWithoutQuestion()
    {
        QFETCH(QDate, date);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(u"store.ini"_s);
        QVERIFY(
            bench::writeSettingsFile(path.toStdString(), date.year(), date.month(), date.day()));
        const QByteArray written = readFile(path);

        MessageRecorder boxes;
        {
            settings::SettingsStore store(path);
            QCOMPARE(store.value(u"Duration"_s), date.toString(Qt::ISODate));
            QCOMPARE(store.value(u"Install"_s), u"1"_s);
            const platform::ScopedClock clock(date.startOfDay());
            app::CheckUpdateReminder(store);
        }
        QVERIFY(boxes.requests.empty());
        // Nothing written either: the start does no more than any later one.
        QCOMPARE(readFile(path), written);
    }

    void median_data()
    {
        QTest::addColumn<std::vector<double>>("values");
        QTest::addColumn<double>("expected");
        QTest::newRow("one") << std::vector<double>{42.5} << 42.5;
        QTest::newRow("odd, unsorted") << std::vector<double>{9, 1, 5, 7, 3} << 5.0;
        QTest::newRow("even, unsorted") << std::vector<double>{40, 10, 30, 20} << 25.0;
        QTest::newRow("even, middle pair equal") << std::vector<double>{1, 7, 7, 100} << 7.0;
        QTest::newRow("outlier does not move it")
            << std::vector<double>{50, 51, 52, 5000, 49} << 51.0;
        QTest::newRow("two") << std::vector<double>{1, 2} << 1.5;
    }
    void median()
    {
        QFETCH(std::vector<double>, values);
        QFETCH(double, expected);
        QCOMPARE(bench::median(values), expected);
    }

    void median_ofNothingIsNotANumber() { QVERIFY(std::isnan(bench::median({}))); }

    void medianRatio_data()
    {
        QTest::addColumn<std::vector<double>>("numerators");
        QTest::addColumn<std::vector<double>>("denominators");
        QTest::addColumn<double>("expected");
        QTest::newRow("odd") << std::vector<double>{30, 10, 20} << std::vector<double>{10, 10, 10}
                             << 2.0;
        QTest::newRow("even") << std::vector<double>{2, 8, 4, 6} << std::vector<double>{1, 1, 1, 1}
                              << 5.0;
        // The ratio of the medians would be 10 / 20.
        QTest::newRow("pairs, not medians")
            << std::vector<double>{1, 10, 100} << std::vector<double>{1, 20, 25} << 1.0;
        QTest::newRow("a slow pair does not move it")
            << std::vector<double>{11, 12, 400} << std::vector<double>{10, 10, 100} << 1.2;
    }
    void medianRatio()
    {
        QFETCH(std::vector<double>, numerators);
        QFETCH(std::vector<double>, denominators);
        QFETCH(double, expected);
        QCOMPARE(bench::medianRatio(numerators, denominators), expected);
    }

    void medianRatio_ofUnpairedRunsIsNotANumber()
    {
        QVERIFY(std::isnan(bench::medianRatio({}, {})));
        QVERIFY(std::isnan(bench::medianRatio({1, 2}, {1})));
    }

    void damageBursts_data()
    {
        // Each burst as its first and last time, one after the other.
        QTest::addColumn<std::vector<double>>("times");
        QTest::addColumn<double>("quiet");
        QTest::addColumn<std::vector<double>>("expected");
        QTest::newRow("none") << std::vector<double>{} << 100.0 << std::vector<double>{};
        QTest::newRow("one change")
            << std::vector<double>{40} << 100.0 << std::vector<double>{40, 40};
        QTest::newRow("one paint in pieces")
            << std::vector<double>{40, 41, 41, 90, 139} << 100.0 << std::vector<double>{40, 139};
        QTest::newRow("a gap of the quiet time splits")
            << std::vector<double>{40, 45, 145} << 100.0 << std::vector<double>{40, 45, 145, 145};
        QTest::newRow("a gap just short of it does not")
            << std::vector<double>{40, 45, 144.9} << 100.0 << std::vector<double>{40, 144.9};
        QTest::newRow("blinking cursor after the paint")
            << std::vector<double>{40, 52, 552, 1052} << 100.0
            << std::vector<double>{40, 52, 552, 552, 1052, 1052};
        QTest::newRow("longer quiet joins them")
            << std::vector<double>{40, 52, 552, 1052} << 600.0 << std::vector<double>{40, 1052};
        QTest::newRow("out of order")
            << std::vector<double>{300, 41, 40} << 100.0 << std::vector<double>{40, 41, 300, 300};
    }
    void damageBursts()
    {
        QFETCH(std::vector<double>, times);
        QFETCH(double, quiet);
        std::vector<double> bursts;
        for (const bench::Burst &burst : bench::damageBursts(times, quiet))
            bursts.insert(bursts.end(), {burst.first, burst.last});
        QTEST(bursts, "expected");
    }

    void parseOptions_accepts_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("runs");
        QTest::addColumn<int>("warmup");
        QTest::addColumn<int>("settle");
        QTest::addColumn<int>("timeout");
        QTest::addColumn<int>("quiet");
        QTest::newRow("defaults") << u"prog bare"_s << 50 << 1 << 300 << 15000 << 100;
        QTest::newRow("runs") << u"--runs 5 prog bare"_s << 5 << 1 << 300 << 15000 << 100;
        QTest::newRow("short runs, after programs")
            << u"prog bare -n 7"_s << 7 << 1 << 300 << 15000 << 100;
        QTest::newRow("no warm-up, no settling")
            << u"--warmup 0 --settle-ms 0 prog bare"_s << 50 << 0 << 0 << 15000 << 100;
        QTest::newRow("last one wins")
            << u"-n 3 --runs 4 prog bare"_s << 4 << 1 << 300 << 15000 << 100;
        QTest::newRow("shortest timeout")
            << u"--timeout-ms 100 prog bare"_s << 50 << 1 << 300 << 100 << 100;
        QTest::newRow("shortest quiet")
            << u"--quiet-ms 1 prog bare"_s << 50 << 1 << 300 << 15000 << 1;
    }
    void parseOptions_accepts()
    {
        QFETCH(QString, arguments);
        std::vector<std::string> storage;
        std::string error;
        const auto options = bench::parseOptions(split(arguments, storage), error);
        QVERIFY2(options.has_value(), error.c_str());
        QTEST(options->runs, "runs");
        QTEST(options->warmupRuns, "warmup");
        QTEST(options->settleMs, "settle");
        QTEST(options->timeoutMs, "timeout");
        QTEST(options->quietMs, "quiet");
        QCOMPARE(QString::fromStdString(options->program), u"prog"_s);
        QCOMPARE(QString::fromStdString(options->bare), u"bare"_s);
        QVERIFY(options->under.empty());
    }

    void parseOptions_takesTheCommandToStartUnder()
    {
        const std::vector<std::string_view> arguments{"--under", " valgrind  --tool=callgrind ",
                                                      "prog", "bare"};
        std::string error;
        const auto options = bench::parseOptions(arguments, error);
        QVERIFY2(options.has_value(), error.c_str());
        QCOMPARE(options->under, (std::vector<std::string>{"valgrind", "--tool=callgrind"}));
        QCOMPARE(QString::fromStdString(options->program), u"prog"_s);
    }

    void parseOptions_takesEachProgramsEnvironment()
    {
        std::vector<std::string> storage;
        std::string error;
        const auto options = bench::parseOptions(
            split(u"--program-env LANG=zh_CN.UTF-8 prog --bare-env LANG=en_US.UTF-8 "
                  u"--program-env LC_ALL= prog"_s,
                  storage),
            error);
        QVERIFY2(options.has_value(), error.c_str());
        QCOMPARE(options->programEnvironment,
                 (std::vector<std::string>{"LANG=zh_CN.UTF-8", "LC_ALL="}));
        QCOMPARE(options->bareEnvironment, (std::vector<std::string>{"LANG=en_US.UTF-8"}));
        QCOMPARE(options->program, options->bare);
    }

    void withEntries_data()
    {
        QTest::addColumn<QString>("extra");
        QTest::addColumn<QString>("expected");
        // The driver's own, with a LANGUAGE, whose name starts as LANG's does.
        QTest::newRow("none") << QString() << u"LANGUAGE=de LANG=C.UTF-8 X=1"_s;
        QTest::newRow("in place of its own")
            << u"LANG=ar_EG.UTF-8"_s << u"LANGUAGE=de LANG=ar_EG.UTF-8 X=1"_s;
        QTest::newRow("LANGUAGE is not LANG")
            << u"LANGUAGE=fr"_s << u"LANGUAGE=fr LANG=C.UTF-8 X=1"_s;
        QTest::newRow("added after")
            << u"LC_ALL=hi_IN.UTF-8"_s << u"LANGUAGE=de LANG=C.UTF-8 X=1 LC_ALL=hi_IN.UTF-8"_s;
        QTest::newRow("the last one wins") << u"X=2 X=3"_s << u"LANGUAGE=de LANG=C.UTF-8 X=3"_s;
        QTest::newRow("emptied") << u"X="_s << u"LANGUAGE=de LANG=C.UTF-8 X="_s;
    }
    void withEntries()
    {
        QFETCH(QString, extra);
        QFETCH(QString, expected);
        std::vector<std::string> storage;
        const std::vector<std::string_view> entries = split(extra, storage);
        const auto environment = bench::withEntries({"LANGUAGE=de", "LANG=C.UTF-8", "X=1"},
                                                    {entries.begin(), entries.end()});
        QCOMPARE(QString::fromStdString(
                     std::accumulate(environment.begin(), environment.end(), std::string(),
                                     [](const std::string &text, const std::string &entry) {
                                         return text.empty() ? entry : text + ' ' + entry;
                                     })),
                 expected);
    }

    void parseOptions_rejects_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::newRow("no runs") << u"--runs 0 prog bare"_s;
        QTest::newRow("negative runs") << u"-n -3 prog bare"_s;
        QTest::newRow("not a number") << u"--runs many prog bare"_s;
        QTest::newRow("trailing junk") << u"--runs 5x prog bare"_s;
        QTest::newRow("fraction") << u"--runs 2.5 prog bare"_s;
        QTest::newRow("too large") << u"--runs 99999999999 prog bare"_s;
        QTest::newRow("value missing") << u"prog bare --runs"_s;
        QTest::newRow("negative warm-up") << u"--warmup -1 prog bare"_s;
        QTest::newRow("timeout too short") << u"--timeout-ms 99 prog bare"_s;
        QTest::newRow("no quiet time") << u"--quiet-ms 0 prog bare"_s;
        QTest::newRow("unknown option") << u"--fast prog bare"_s;
        QTest::newRow("command missing") << u"prog bare --under"_s;
        QTest::newRow("variable missing") << u"prog bare --bare-env"_s;
        QTest::newRow("variable without a value") << u"--program-env LANG prog bare"_s;
        QTest::newRow("value without a name") << u"--program-env =C prog bare"_s;
        QTest::newRow("one program") << u"prog"_s;
        QTest::newRow("three programs") << u"prog bare other"_s;
        QTest::newRow("nothing") << QString();
    }
    void parseOptions_rejects()
    {
        QFETCH(QString, arguments);
        std::vector<std::string> storage;
        std::string error;
        QVERIFY(!bench::parseOptions(split(arguments, storage), error).has_value());
        QVERIFY(!error.empty());
    }
};

QTEST_GUILESS_MAIN(StartupBenchTest)
#include "tst_startupbench.moc"
