#include "app/LocaleDecision.h"
#include "platform/Translators.h"
#include "report/ResultPage.h"
#include "ui/look/ResultPageLook.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>

#include <map>

using namespace Qt::Literals::StringLiterals;
using risktest::UnitSystem;
Q_DECLARE_METATYPE(UnitSystem)

// The program ships a Spanish translation (translations/kelo_es.ts). The
// command line test sees Qt's own texts follow it; the window text test sees
// it go when the translators go. This suite runs under LANG=de_DE.UTF-8 and
// LC_MESSAGES=C: a German system with English messages.
namespace {

// The variables from "NAME=value" settings; the others unset.
app::LocaleVariables variables(const QStringList &settings)
{
    using V = app::LocaleVariables;
    const std::map<QString, QString V::*> fields{{u"LANGUAGE"_s, &V::language},
                                                 {u"LC_ALL"_s, &V::all},
                                                 {u"LC_MESSAGES"_s, &V::messages},
                                                 {u"LC_NUMERIC"_s, &V::numeric},
                                                 {u"LC_MEASUREMENT"_s, &V::measurement},
                                                 {u"LC_PAPER"_s, &V::paper},
                                                 {u"LANG"_s, &V::lang}};
    V result;
    for (const QString &setting : settings)
        result.*fields.at(setting.section(u'=', 0, 0)) = setting.section(u'=', 1);
    return result;
}

// The result page's text for a run taken on Monday, 7 December 2026.
QString pageIn(const ui::UserLocale &decided)
{
    const report::ResultRecord record{.name = u"Ann"_s,
                                      .run = {},
                                      .result = {},
                                      .takenAt = QDateTime(QDate(2026, 12, 7), QTime(14, 5))};
    return report::resultPage(record, decided.locale, ui::resultPageLook())->toPlainText();
}

} // namespace

class UserLocaleTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Portugal's Portuguese is not Brazil's: it has none of its own and falls
    // to the next language the user speaks, English at the end, unless the
    // user lists Brazil's after it. Traditional Chinese readers get no
    // Simplified Chinese either.
    void translationFile_firstLanguageSpokenWins_data()
    {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QLocale::Language>("language");
        const QString es = u":/i18n/kelo_es.qm"_s;
        const QString pt = u":/i18n/kelo_pt_BR.qm"_s;
        const QString zh = u":/i18n/kelo_zh_CN.qm"_s;
        QTest::newRow("latinAmerica") << QStringList{u"es-419"_s} << es << QLocale::Spanish;
        QTest::newRow("spanishAfterGerman")
            << QStringList{u"de-DE"_s, u"es-MX"_s} << es << QLocale::Spanish;
        QTest::newRow("englishBeforeSpanish")
            << QStringList{u"en-GB"_s, u"es"_s} << QString() << QLocale::English;
        QTest::newRow("cLocale") << QStringList{u"C"_s, u"es"_s} << QString() << QLocale::English;
        QTest::newRow("unspoken") << QStringList{u"de-DE"_s, u"it"_s} << QString()
                                  << QLocale::English;
        QTest::newRow("france") << QStringList{u"fr_FR"_s} << u":/i18n/kelo_fr.qm"_s
                                << QLocale::French;
        QTest::newRow("canadianFrenchAfterGerman")
            << QStringList{u"de"_s, u"fr-CA"_s} << u":/i18n/kelo_fr.qm"_s << QLocale::French;
        QTest::newRow("brazil") << QStringList{u"pt_BR"_s} << pt << QLocale::Portuguese;
        QTest::newRow("portugal") << QStringList{u"pt_PT"_s} << QString() << QLocale::English;
        QTest::newRow("portugalThenSpanish")
            << QStringList{u"pt_PT"_s, u"es"_s} << es << QLocale::Spanish;
        QTest::newRow("portugalThenBrazil")
            << QStringList{u"pt_PT"_s, u"pt_BR"_s} << pt << QLocale::Portuguese;
        QTest::newRow("mainlandChina") << QStringList{u"zh_CN"_s} << zh << QLocale::Chinese;
        QTest::newRow("taiwan") << QStringList{u"zh_TW"_s} << QString() << QLocale::English;
        QTest::newRow("india") << QStringList{u"hi_IN"_s} << u":/i18n/kelo_hi.qm"_s
                               << QLocale::Hindi;
        QTest::newRow("hindiAfterGerman")
            << QStringList{u"de"_s, u"hi"_s} << u":/i18n/kelo_hi.qm"_s << QLocale::Hindi;
        const QString ar = u":/i18n/kelo_ar.qm"_s;
        QTest::newRow("egypt") << QStringList{u"ar_EG"_s} << ar << QLocale::Arabic;
        QTest::newRow("arabic") << QStringList{u"ar"_s} << ar << QLocale::Arabic;
    }

    void translationFile_firstLanguageSpokenWins()
    {
        QFETCH(QStringList, languages);
        QFETCH(QString, file);
        QFETCH(QLocale::Language, language);
        const app::Translation translation = app::translationFor(languages);
        QCOMPARE(translation.file, file);
        QCOMPARE(translation.language, language);
    }

    // Qt's own buttons and save dialog speak the program's language: Qt's
    // translation where Qt ships one, the program's copy where it has none.
    void qtTexts_followTheProgramsLanguage_data()
    {
        QTest::addColumn<QString>("file");
        // OK, Cancel, Yes; the save dialog's file name label and button.
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("english") << QString()
                                 << QStringList{u"OK"_s, u"Cancel"_s, u"&Yes"_s, u"File &name:"_s,
                                                u"&Save"_s};
        QTest::newRow("spanish") << u":/i18n/kelo_es.qm"_s
                                 << QStringList{u"Aceptar"_s, u"Cancelar"_s, u"&Sí"_s,
                                                u"&Nombre de fichero:"_s, u"&Guardar"_s};
        QTest::newRow("hindi") << u":/i18n/kelo_hi.qm"_s
                               << QStringList{u"ठीक है"_s, u"रद्द करें"_s, u"हाँ (&Y)"_s,
                                              u"फ़ाइल का नाम (&N):"_s, u"सहेजें (&S)"_s};
        // Qt's own, but the access letters the program moves out of a word.
        QTest::newRow("arabic") << u":/i18n/kelo_ar.qm"_s
                                << QStringList{u"حسنًا"_s, u"ألغِ"_s, u"&نعم"_s, u"&اسم الملفّ:"_s,
                                               u"احفظ"_s};
    }

    void qtTexts_followTheProgramsLanguage()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, texts);
        const platform::Translators translators(file);
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes);
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        const auto *buttons = dialog.findChild<QDialogButtonBox *>(u"buttonBox"_s);
        QVERIFY(buttons);
        QCOMPARE((QStringList{box.button(QMessageBox::Ok)->text(),
                              box.button(QMessageBox::Cancel)->text(),
                              box.button(QMessageBox::Yes)->text(),
                              dialog.findChild<QLabel *>(u"fileNameLabel"_s)->text(),
                              buttons->button(QDialogButtonBox::Save)->text()}),
                 texts);
    }

    // The page's date and time joined as the page's language joins them.
    void pageDate_joinsDateAndTimeAsItsLanguageDoes_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("between");
        QTest::newRow("french") << u"fr_FR.UTF-8"_s << u" à "_s;
        QTest::newRow("chinese") << u"zh_CN.UTF-8"_s << u" "_s;
        QTest::newRow("arabic") << u"ar_EG.UTF-8"_s << u"، "_s;
    }

    void pageDate_joinsDateAndTimeAsItsLanguageDoes()
    {
        QFETCH(QString, lang);
        QFETCH(QString, between);
        const ui::UserLocale decided = app::decideUserLocale(variables({u"LANG="_s + lang}));
        const platform::Translators translators(decided.translation);
        const QDateTime taken(QDate(2026, 12, 7), QTime(14, 5));
        const QString date = decided.locale.toString(taken.date(), QLocale::LongFormat) + between +
                             decided.locale.toString(taken.time(), QLocale::ShortFormat);
        QVERIFY2(pageIn(decided).contains(date), qPrintable(pageIn(decided)));
    }

    // Qt reports C and POSIX as metric; they keep feet, inches and pounds.
    void units_followTheLocaleMeasurementsComeFrom_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<UnitSystem>("units");
        for (const char *name : {"C", "POSIX", "C.UTF-8", "en_US.UTF-8", "en_GB", "es_US"})
            QTest::newRow(name) << QStringList{u"LANG="_s + QLatin1StringView(name)}
                                << UnitSystem::Imperial;
        for (const char *name : {"es_ES", "de_DE.UTF-8", "fr_CA", "en_CA", "en_AU", "es_MX"})
            QTest::newRow(name) << QStringList{u"LANG="_s + QLatin1StringView(name)}
                                << UnitSystem::Metric;
        QTest::newRow("nothingSet") << QStringList{} << UnitSystem::Imperial;
        QTest::newRow("measurementOverLang")
            << QStringList{u"LC_MEASUREMENT=de_DE"_s, u"LANG=en_US"_s} << UnitSystem::Metric;
        QTest::newRow("measurementCOverLang")
            << QStringList{u"LC_MEASUREMENT=C"_s, u"LANG=de_DE"_s} << UnitSystem::Imperial;
        QTest::newRow("allOverMeasurement")
            << QStringList{u"LC_ALL=en_US"_s, u"LC_MEASUREMENT=de_DE"_s, u"LANG=de"_s}
            << UnitSystem::Imperial;
    }

    void units_followTheLocaleMeasurementsComeFrom()
    {
        QFETCH(QStringList, settings);
        QFETCH(UnitSystem, units);
        // Messages in English change nothing.
        settings << u"LC_MESSAGES=C"_s;
        QCOMPARE(app::decideUserLocale(variables(settings)).units, units);
    }

    // The language of the texts, the locale their dates and numbers are
    // written in, and the paper of the PDF.
    void decision_followsTheLocaleVariables_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<bool>("spanish");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QPageSize::PageSizeId>("paper");
        QTest::addColumn<QString>("date");
        const QString monday = u"Monday, 7 December 2026"_s;
        const QString lunes = u"lunes, 7 de diciembre de 2026"_s;
        QTest::newRow("usEnglish") << QStringList{u"LANG=en_US.UTF-8"_s} << false << u"en_US"_s
                                   << QPageSize::Letter << u"Monday, December 7, 2026"_s;
        QTest::newRow("ukEnglishOnA4")
            << QStringList{u"LANG=en_GB.UTF-8"_s} << false << u"en_GB"_s << QPageSize::A4 << monday;
        QTest::newRow("cLocale") << QStringList{u"LANG=C.UTF-8"_s} << false << u"C"_s
                                 << QPageSize::A4 << monday;
        // German numbers, English words.
        QTest::newRow("germanWithEnglishMessages")
            << QStringList{u"LANG=de_DE.UTF-8"_s, u"LC_MESSAGES=C"_s} << false << u"en_DE"_s
            << QPageSize::A4 << monday;
        // English words never take another script's digits.
        QTest::newRow("egyptWithEnglishMessages")
            << QStringList{u"LANG=ar_EG.UTF-8"_s, u"LC_MESSAGES=C"_s} << false << u"en_US"_s
            << QPageSize::A4 << u"Monday, December 7, 2026"_s;
        QTest::newRow("indiaWithEnglishMessages")
            << QStringList{u"LANG=hi_IN.UTF-8"_s, u"LC_MESSAGES=C"_s} << false << u"en_IN"_s
            << QPageSize::A4 << u"Monday, 7 December, 2026"_s;
        QTest::newRow("spanishUnitedStates") << QStringList{u"LANG=es_US.UTF-8"_s} << true
                                             << u"es_US"_s << QPageSize::Letter << lunes;
        QTest::newRow("languageListFirstSpoken")
            << QStringList{u"LANGUAGE=de_DE:es_MX"_s, u"LANG=en_US.UTF-8"_s} << true << u"es_US"_s
            << QPageSize::Letter << lunes;
        QTest::newRow("cMessagesIgnoreLanguage")
            << QStringList{u"LANGUAGE=es"_s, u"LC_MESSAGES=POSIX"_s, u"LANG=en_US.UTF-8"_s} << false
            << u"en_US"_s << QPageSize::Letter << u"Monday, December 7, 2026"_s;
        QTest::newRow("allOverMessages")
            << QStringList{u"LC_ALL=C"_s, u"LC_MESSAGES=es_ES"_s, u"LANG=es_ES"_s} << false
            << u"C"_s << QPageSize::A4 << monday;
        QTest::newRow("numbersAndPaperOwnVariables")
            << QStringList{u"LC_NUMERIC=de_DE"_s, u"LC_PAPER=en_US"_s, u"LANG=en_GB.UTF-8"_s}
            << false << u"en_DE"_s << QPageSize::Letter << monday;
    }

    void decision_followsTheLocaleVariables()
    {
        QFETCH(QStringList, settings);
        QFETCH(bool, spanish);
        QFETCH(QString, locale);
        QFETCH(QPageSize::PageSizeId, paper);
        QFETCH(QString, date);
        const ui::UserLocale decided = app::decideUserLocale(variables(settings));
        QCOMPARE(decided.translation, spanish ? u":/i18n/kelo_es.qm"_s : QString());
        QCOMPARE(decided.locale.name(), locale);
        QCOMPARE(decided.paper, paper);
        QVERIFY2(pageIn(decided).contains(date), qPrintable(pageIn(decided)));
    }

    // What the program reads from its own environment.
    void environment_germanWithEnglishMessages()
    {
        const ui::UserLocale decided =
            app::decideUserLocale(app::LocaleVariables::fromEnvironment());
        QCOMPARE(decided.units, UnitSystem::Metric);
        QVERIFY2(pageIn(decided).contains(u"Taken on Monday, 7 December 2026"_s),
                 qPrintable(pageIn(decided)));
    }
};

QTEST_MAIN(UserLocaleTest)
#include "tst_userlocale.moc"
