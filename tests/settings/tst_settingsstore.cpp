#include "AppConstants.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <future>

using namespace Qt::Literals::StringLiterals;
using settings::SettingsStore;

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

} // namespace

class SettingsStoreTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_path;
    int m_fileCount = 0;

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        // QSettings caches the files it has read for the whole process,
        // changes it failed to write included; a new file for every test keeps
        // the tests apart.
        m_path = m_dir.filePath(u"store%1.ini"_s.arg(++m_fileCount));
    }

    void saveSetting_keepsValueAcrossStores_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");

        QTest::newRow("count") << u"Install"_s << u"1"_s;
        QTest::newRow("negativeCount") << u"Install"_s << u"-3"_s;
        QTest::newRow("isoDate") << u"Duration"_s << u"2026-12-07"_s;
        QTest::newRow("emptyValue") << u"Duration"_s << QString();
        QTest::newRow("spacesKept") << u"Duration"_s << u"  two words  "_s;
        // Scrambled, these become ';', ',' and '=', which the file must quote.
        QTest::newRow("iniSpecialsAfterShift") << u"Install"_s << u"8)::"_s;
        QTest::newRow("latin1Letters") << u"Install"_s << u"caf\u00E9"_s;
        QTest::newRow("atSignAfterShift") << u"Install"_s << u"=x"_s;
        // Every digit: a scrambled 8 is ';' and a 9 is '<'.
        QTest::newRow("everyDigit") << u"Install"_s << u"0123456789"_s;
        QTest::newRow("dateInAugust") << u"Duration"_s << u"2026-08-18"_s;
        QTest::newRow("spaceAtEitherEndAfterShift") << u"Duration"_s
                                                    << u"\x1d"
                                                       u"12"
                                                       u"\x1d"_s;
        QTest::newRow("backslashAndQuoteAfterShift") << u"Duration"_s
                                                     << u"CY\x1f"
                                                        u"D"_s;
    }

    void saveSetting_keepsValueAcrossStores()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        {
            SettingsStore store(m_path);
            QVERIFY(store.setValue(key, value));
            QCOMPARE(store.value(key), value);
        }
        SettingsStore fresh(m_path);
        QCOMPARE(fresh.value(key), value);
    }

    void getSetting_missingOrForeignValuesReadEmpty_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("install");
        QTest::addColumn<QString>("duration");

        QTest::newRow("emptyFile") << QByteArray() << QString() << QString();
        QTest::newRow("otherKeyOnly")
            << "[Settings]\nGxudwlrq=535904503:\n"_ba << QString() << u"2026-12-07"_s;
        QTest::newRow("plainKeysNotRead")
            << "[Settings]\nInstall=7\nDuration=2026-12-07\n"_ba << QString() << QString();
        QTest::newRow("outsideGroupNotRead")
            << "[General]\nLqvwdoo=:\n"_ba << QString() << QString();
        QTest::newRow("listValue") << "[Settings]\nLqvwdoo=4,5\n"_ba << QString() << QString();
        QTest::newRow("binaryGarbage")
            << QByteArray("\xff\xfe\x00\x01[[=\n\x80=\x00", 12) << QString() << QString();
        QTest::newRow("readableAmongGarbage")
            << "\x01\x02 junk\n[Settings]\nLqvwdoo=:\n==\n"_ba << u"7"_s << QString();
    }

    void getSetting_missingOrForeignValuesReadEmpty()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, install);
        QFETCH(QString, duration);
        QVERIFY(writeFile(m_path, contents));

        SettingsStore store(m_path);
        QCOMPARE(store.value(u"Install"_s), install);
        QCOMPARE(store.value(u"Duration"_s), duration);
        QCOMPARE(store.value(u"Missing"_s), QString());
    }

    void saveSetting_overwritesAForeignFile_data()
    {
        getSetting_missingOrForeignValuesReadEmpty_data();
    }

    void saveSetting_overwritesAForeignFile()
    {
        QFETCH(QByteArray, contents);
        QVERIFY(writeFile(m_path, contents));
        {
            SettingsStore store(m_path);
            QVERIFY(store.setValue(u"Install"_s, u"3"_s));
        }
        SettingsStore fresh(m_path);
        QCOMPARE(fresh.value(u"Install"_s), u"3"_s);
    }

    void malformedFileThatCannotBeWritten_reportsTheFailure()
    {
        QVERIFY(writeFile(m_path, "[Settings]\nLqvwdoo=:\n==\n"_ba));
        SettingsStore store(m_path);
        QCOMPARE(store.value(u"Install"_s), u"7"_s);
        QVERIFY(QFile::remove(m_path));
        QVERIFY(QDir().mkpath(m_path));
        QVERIFY(!store.setValue(u"Install"_s, u"3"_s));
        QVERIFY(!store.setValue(u"Install"_s, u"4"_s));
    }

    // A copy killed while it wrote leaves the store's lock file behind;
    // nobody holds it, and the next write must not wait for it.
    void saveSetting_leftBehindLockIsNoObstacle_data()
    {
        QTest::addColumn<QByteArray>("leftBehind");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbage") << "\x01\x02\n\n"_ba;
        QTest::newRow("otherHost") << "4242\ntst_settingsstore\nanother-host\n"_ba;
    }

    void saveSetting_leftBehindLockIsNoObstacle()
    {
        QFETCH(QByteArray, leftBehind);
        QVERIFY(writeFile(m_path + u".lock"_s, leftBehind));
        SettingsStore store(m_path);
        // QSettings itself would wait up to half a minute for such a lock.
        auto saving = std::async(std::launch::async,
                                 [&store] { return store.setValue(u"Install"_s, u"2"_s); });
        QVERIFY2(saving.wait_for(std::chrono::seconds(5)) == std::future_status::ready,
                 "the write waits for a lock nobody holds");
        QVERIFY(saving.get());
        QCOMPARE(SettingsStore(m_path).value(u"Install"_s), u"2"_s);
        QVERIFY(!QFile::exists(m_path + u".lock"_s));
    }

    void keyWithNothingToScramble_isNeverStored_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("empty") << QString();
        QTest::newRow("euroSign") << u"\u20AC"_s;
    }

    void keyWithNothingToScramble_isNeverStored()
    {
        QFETCH(QString, key);
        SettingsStore store(m_path);
        QVERIFY(!store.setValue(key, u"x"_s));
        QCOMPARE(store.value(key), QString());
        QVERIFY(!QFile::exists(m_path) || readFile(m_path).isEmpty());
    }

    void folderInPlaceOfFile_failsQuietly()
    {
        QVERIFY(QDir().mkpath(m_path));
        {
            SettingsStore store(m_path);
            QCOMPARE(store.value(u"Install"_s), QString());
            QVERIFY(!store.setValue(u"Install"_s, u"5"_s));
            QVERIFY(!store.setValue(u"Duration"_s, u"2026-12-07"_s));
        }
        QVERIFY(QFileInfo(m_path).isDir());
        SettingsStore fresh(m_path);
        QCOMPARE(fresh.value(u"Install"_s), QString());
        QCOMPARE(fresh.value(u"Duration"_s), QString());
    }

    // A write that fails is survived in silence; turned on, the settings
    // category says which file could not be written.
    void failedWrite_isLoggedOnlyWhenAsked_data()
    {
        QTest::addColumn<QString>("rules");
        QTest::addColumn<int>("lines");
        QTest::newRow("default") << QString() << 0;
        QTest::newRow("turnedOn") << u"kelo.settings.warning=true"_s << 2;
    }

    void failedWrite_isLoggedOnlyWhenAsked()
    {
        QFETCH(QString, rules);
        QFETCH(int, lines);
        QVERIFY(QDir().mkpath(m_path));
        static QStringList logged;
        logged.clear();
        QLoggingCategory::setFilterRules(rules);
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext &context, const QString &message) {
                if (QByteArrayView(context.category) == "kelo.settings")
                    logged << message;
            });
        {
            SettingsStore store(m_path);
            store.setValue(u"Install"_s, u"5"_s);
        }
        qInstallMessageHandler(previous);
        QLoggingCategory::setFilterRules(QString());
        QCOMPARE(logged.size(), lines);
        for (const QString &line : logged)
            QVERIFY2(line.contains(m_path), qPrintable(line));
    }

    void storeApplicationName_isTheRunningExecutable()
    {
        QCOMPARE(settings::storeApplicationName(), u"tst_settingsstore"_s);
        QVERIFY(settings::storeApplicationName() != app::ExecutableName);
    }

    // A relative XDG_CONFIG_HOME is to be ignored: the store then lives in
    // ~/.config, never under the folder the program was started from.
    void perUserStore_livesInTheUserConfigFolder_data()
    {
        QTest::addColumn<QString>("configHome");
        QTest::addColumn<QString>("expectedFolder");
        const QString home = m_dir.filePath(u"home"_s);
        QTest::newRow("xdgConfigHome")
            << m_dir.filePath(u"config"_s) << m_dir.filePath(u"config"_s);
        QTest::newRow("empty") << QString() << home + u"/.config"_s;
        QTest::newRow("relative") << u"relative/config"_s << home + u"/.config"_s;
    }

    void perUserStore_livesInTheUserConfigFolder()
    {
        QFETCH(QString, configHome);
        QFETCH(QString, expectedFolder);
        const QString expected = expectedFolder + u"/tst_settingsstore/tst_settingsstore.ini"_s;
        const QByteArray previousHome = qgetenv("HOME");
        const QByteArray previousConfigHome = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", m_dir.filePath(u"home"_s).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", configHome.toLocal8Bit());
        {
            SettingsStore store;
            QCOMPARE(store.fileName(), expected);
            QVERIFY(store.setValue(u"Install"_s, u"4"_s));
        }
        QVERIFY(readFile(expected).contains("Lqvwdoo=7"));
        QCOMPARE(SettingsStore().value(u"Install"_s), u"4"_s);
        qputenv("HOME", previousHome);
        qputenv("XDG_CONFIG_HOME", previousConfigHome);
    }
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "tst_settingsstore.moc"
