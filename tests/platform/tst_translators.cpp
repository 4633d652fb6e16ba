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
        QTest::addColumn<QString>("file");
        const QString spanish = u":/i18n/kelo_es.qm"_s;
        QTest::newRow("spain") << QStringList{u"es-ES"_s} << spanish;
        QTest::newRow("unitedStates") << QStringList{u"es-US"_s} << spanish;
        QTest::newRow("latinAmerica") << QStringList{u"es-419"_s} << spanish;
        QTest::newRow("spanishAfterGerman") << QStringList{u"de-DE"_s, u"es-MX"_s} << spanish;
        QTest::newRow("english") << QStringList{u"en-US"_s} << QString();
        QTest::newRow("englishBeforeSpanish") << QStringList{u"en-GB"_s, u"es"_s} << QString();
        QTest::newRow("cLocale") << QStringList{u"C"_s, u"es"_s} << QString();
        QTest::newRow("unspoken") << QStringList{u"de-DE"_s, u"fr"_s} << QString();
        QTest::newRow("none") << QStringList() << QString();
    }

    void translationFile_firstLanguageSpokenWins()
    {
        QFETCH(QStringList, languages);
        QFETCH(QString, file);
        QCOMPARE(platform::translationFileFor(languages), file);
    }

    void translators_installForTheirLifetimeOnly_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("qtYes");
        QTest::newRow("spanish") << u"es_US"_s << u"es"_s << u"&S\u00ED"_s;
        QTest::newRow("english") << u"en_GB"_s << QString() << u"&Yes"_s;
        QTest::newRow("c") << u"C"_s << QString() << u"&Yes"_s;
    }

    // Qt's own texts (a message box's Yes) follow the program's language.
    void translators_installForTheirLifetimeOnly()
    {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QFETCH(QString, qtYes);
        {
            const platform::Translators translators{QLocale(locale)};
            QCOMPARE(translators.language(), language);
            QCOMPARE(platform::interfaceTranslated(), !language.isEmpty());
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), qtYes);
        }
        QVERIFY(!platform::interfaceTranslated());
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), u"&Yes"_s);
    }
};

QTEST_GUILESS_MAIN(TranslatorsTest)
#include "tst_translators.moc"
