// The update reminder over a settings file holding anything at all: a file
// edited by hand, cut short by a full disk or written by some other program.

#include "FuzzCheck.h"
#include "app/UpdateQuestion.h"
#include "links/PageAddresses.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/UrlOpener.h"
#include "settings/SettingsStore.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdlib>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

const QDate Today(2026, 12, 7);

// Every write of the store is flushed to disk, which on a real disk costs far
// more than the rest of a run; memory-backed /dev/shm makes the flush free.
QTemporaryDir &storeFolder()
{
    static QTemporaryDir folder(
        (QFileInfo(u"/dev/shm"_s).isWritable() ? u"/dev/shm"_s : QDir::tempPath()) +
        u"/kelo-fuzz-XXXXXX"_s);
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // QSettings keeps what it read of a file for the life of the process, so
    // every input gets a file name of its own.
    static quint64 inputCount = 0;
    KELO_FUZZ_CHECK(storeFolder().isValid());
    const QString path = storeFolder().filePath(u"store-%1.ini"_s.arg(++inputCount));
    {
        QFile file(path);
        KELO_FUZZ_CHECK(file.open(QIODevice::WriteOnly));
        KELO_FUZZ_CHECK(file.write(reinterpret_cast<const char *>(data), qint64(size)) ==
                        qint64(size));
    }

    int questions = 0;
    std::vector<QString> pages;
    QString durationBefore;
    {
        const platform::ScopedMessageBoxHandler boxes([&](const platform::MessageRequest &) {
            ++questions;
            return platform::MessageAnswer::Yes;
        });
        const platform::ScopedUrlOpener browser(
            [&](const QString &address) { pages.push_back(address); });

        settings::SettingsStore store(path);
        store.value(u"Install"_s);
        durationBefore = store.value(u"Duration"_s);
        const platform::ScopedClock clock(Today.startOfDay());
        app::CheckUpdateReminder(store);
    }

    // Asked at most once, and the page opens exactly when the answer was Yes.
    KELO_FUZZ_CHECK(questions <= 1);
    KELO_FUZZ_CHECK(pages.size() == std::size_t(questions));
    if (!pages.empty())
        KELO_FUZZ_CHECK(pages.front() == links::DownloadPageAddress);

    // Whatever the file held, the next run finds a date it can read: the kept
    // one when it was recent, today's otherwise.
    const settings::SettingsStore fresh(path);
    const QString durationAfter = fresh.value(u"Duration"_s);
    KELO_FUZZ_CHECK(QDate::fromString(durationAfter, Qt::ISODate).isValid());
    const QDate before = QDate::fromString(durationBefore, Qt::ISODate);
    const bool recent = before.isValid() && std::abs(Today.daysTo(before)) <= 14;
    KELO_FUZZ_CHECK(durationAfter == (recent ? durationBefore : Today.toString(Qt::ISODate)));
    KELO_FUZZ_CHECK(questions == (before.isValid() && !recent ? 1 : 0));

    QFile::remove(path);
    return 0;
}
