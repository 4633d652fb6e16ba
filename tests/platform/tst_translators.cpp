#include "platform/Translators.h"

#include <QCoreApplication>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// The program ships a Spanish translation (translations/kelo_es.ts).
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

    void translators_bringQtsOwnForTheirLifetime_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("yes");
        QTest::newRow("spanish") << u"es_US"_s << u"&S\u00ED"_s;
        QTest::newRow("english") << u"en_GB"_s << u"&Yes"_s;
    }

    // A message box's Yes speaks the program's language.
    void translators_bringQtsOwnForTheirLifetime()
    {
        QFETCH(QString, locale);
        QFETCH(QString, yes);
        {
            const platform::Translators translators{QLocale(locale).uiLanguages()};
            QCOMPARE(platform::interfaceTranslated(), locale.startsWith(u"es"_s));
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), yes);
        }
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), u"&Yes"_s);
    }
};

QTEST_GUILESS_MAIN(TranslatorsTest)
#include "tst_translators.moc"
