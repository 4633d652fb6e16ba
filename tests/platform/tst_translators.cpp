#include "platform/Translators.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

// The program ships a Spanish translation (translations/kelo_es.ts). The
// command line test sees Qt's own texts follow it; the window text test sees
// it go when the translators go.
class TranslatorsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void translationFile_firstLanguageSpokenWins_data()
    {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<bool>("spanish");
        QTest::newRow("latinAmerica") << QStringList{u"es-419"_s} << true;
        QTest::newRow("spanishAfterGerman") << QStringList{u"de-DE"_s, u"es-MX"_s} << true;
        QTest::newRow("englishBeforeSpanish") << QStringList{u"en-GB"_s, u"es"_s} << false;
        QTest::newRow("cLocale") << QStringList{u"C"_s, u"es"_s} << false;
        QTest::newRow("unspoken") << QStringList{u"de-DE"_s, u"fr"_s} << false;
    }

    void translationFile_firstLanguageSpokenWins()
    {
        QFETCH(QStringList, languages);
        QFETCH(bool, spanish);
        QCOMPARE(platform::translationFileFor(languages),
                 spanish ? u":/i18n/kelo_es.qm"_s : QString());
    }
};

QTEST_GUILESS_MAIN(TranslatorsTest)
#include "tst_translators.moc"
