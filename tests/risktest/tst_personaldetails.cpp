#include "risktest/PersonalDetails.h"
#include "text/LocaleNumbers.h"
#include "text/TrimSpaces.h"

#include <QTest>

#include <optional>
#include <tuple>
#include <vector>

using namespace Qt::Literals::StringLiterals;
using risktest::DetailsProblem;
using risktest::UnitSystem;

Q_DECLARE_METATYPE(DetailsProblem)
Q_DECLARE_METATYPE(UnitSystem)

namespace {

constexpr UnitSystem lb = UnitSystem::Imperial;
constexpr UnitSystem kg = UnitSystem::Metric;
const QString Arabic80_5 = u"\u0668\u0660\u066B\u0665"_s; // 80.5 in Arabic-Indic digits

} // namespace

class PersonalDetailsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parseWeight_readsLocaleNumbersRoundedHalfToEven_data()
    {
        QTest::addColumn<QString>("localeName");
        QTest::addColumn<UnitSystem>("units");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected"); // 0: not a valid weight

        QTest::newRow("whole") << u"en_US"_s << lb << u"180"_s << 180;
        QTest::newRow("surroundingSpaces") << u"en_US"_s << lb << u"  180  "_s << 180;
        QTest::newRow("halfDownToEven") << u"en_US"_s << lb << u"150.5"_s << 150;
        QTest::newRow("halfUpToEven") << u"en_US"_s << lb << u"151.5"_s << 152;
        QTest::newRow("belowHalf") << u"en_US"_s << lb << u"150.49"_s << 150;
        QTest::newRow("aboveHalf") << u"en_US"_s << lb << u"150.51"_s << 151;
        QTest::newRow("groupSeparator") << u"en_US"_s << lb << u"1,500"_s << 1500;
        QTest::newRow("germanDecimalComma") << u"de_DE"_s << lb << u"150,5"_s << 150;
        QTest::newRow("germanHalfUpToEven") << u"de_DE"_s << lb << u"151,5"_s << 152;
        QTest::newRow("germanWhole") << u"de_DE"_s << lb << u"180"_s << 180;
        QTest::newRow("smallestWeight") << u"en_US"_s << lb << u"1"_s << 1;
        QTest::newRow("roundsUpToSmallest") << u"en_US"_s << lb << u"0.51"_s << 1;
        QTest::newRow("halfRoundsToZero") << u"en_US"_s << lb << u"0.5"_s << 0;
        QTest::newRow("oneAndAHalfToTwo") << u"en_US"_s << lb << u"1.5"_s << 2;
        QTest::newRow("largestWeight") << u"en_US"_s << lb << u"32767"_s << 32767;
        QTest::newRow("roundsDownToLargest") << u"en_US"_s << lb << u"32767.4"_s << 32767;
        QTest::newRow("roundsAboveLargest") << u"en_US"_s << lb << u"32767.5"_s << 0;
        QTest::newRow("aboveLargest") << u"en_US"_s << lb << u"32768"_s << 0;
        QTest::newRow("huge") << u"en_US"_s << lb << u"1e300"_s << 0;
        QTest::newRow("zero") << u"en_US"_s << lb << u"0"_s << 0;
        QTest::newRow("negative") << u"en_US"_s << lb << u"-150"_s << 0;
        QTest::newRow("smallestNegative") << u"en_US"_s << lb << u"-32768"_s << 0;
        QTest::newRow("empty") << u"en_US"_s << lb << QString() << 0;
        QTest::newRow("onlySpaces") << u"en_US"_s << lb << u"   "_s << 0;
        QTest::newRow("letters") << u"en_US"_s << lb << u"heavy"_s << 0;
        QTest::newRow("numberThenUnit") << u"en_US"_s << lb << u"180lb"_s << 0;
        QTest::newRow("twoNumbers") << u"en_US"_s << lb << u"180 190"_s << 0;
        QTest::newRow("infinity") << u"en_US"_s << lb << u"inf"_s << 0;
        QTest::newRow("notANumber") << u"en_US"_s << lb << u"nan"_s << 0;
        QTest::newRow("commaDecimalInEnglish") << u"en_US"_s << lb << u"150,5"_s << 0;
        QTest::newRow("dotDecimalInGerman") << u"de_DE"_s << lb << u"150.5"_s << 0;
        QTest::newRow("fullWidthPounds") << u"en_US"_s << lb << u"\uFF11\uFF18\uFF10"_s << 180;

        // Kilograms take a dot or a comma whatever the locale, in ASCII or the locale's
        // digits, never thousands or spaces inside (0: refused): 80.5 kg is 177.47
        // pounds, 80 kg 176.37, 1.2 kg 2.65.
        // clang-format off
        const std::vector<std::tuple<const char *, QString, int>> kilograms{
            {"de_DE", u"80,5"_s, 177},   {"de_DE", u"80.5"_s, 177},      {"de_DE", u" 80 "_s, 176},
            {"de_DE", u"80,500"_s, 177}, {"de_DE", u"1.200"_s, 0},       {"de_DE", u"80.500"_s, 0},
            {"de_DE", u"100.500"_s, 0},  {"de_DE", u"1.2000"_s, 3},      {"de_DE", u"1.200,5"_s, 0},
            {"fr_FR", u"80.5"_s, 177},   {"fr_FR", u"1.200"_s, 0},
            {"fr_FR", u"1 200"_s, 0}, {"fr_FR", u"1\u202F200"_s, 0}, {"fr_FR", u"80,5\u00A0"_s, 0},
            {"ar_EG", Arabic80_5, 177},  {"ar_EG", u"80.5"_s, 177},      {"ar_EG", u"80,5"_s, 177},
            {"ar_EG", u"1.200"_s, 0},    {"ar_EG", u"\u0668\u0660\u060C\u0665"_s, 177},
            {"ar_EG", Arabic80_5 + u"\u0660\u0660"_s, 177},
            {"ar_EG", u"\u0661\u066C\u0662\u0660\u0660"_s, 0},
            {"hi_IN", u"80,5"_s, 177},   {"hi_IN", u"1,200"_s, 0},      {"hi_IN", u"80.500"_s, 177},
            {"zh_CN", u"80,5"_s, 177},   {"zh_CN", u"80,500"_s, 0},      {"zh_CN", u"1.200"_s, 3},
            {"zh_CN", u"\uFF18\uFF10\uFF0E\uFF15"_s, 177}, {"zh_CN", u"\uFF18\uFF10\uFF0C\uFF15"_s, 177},
            {"zh_CN", u"\uFF11\uFF0C\uFF12\uFF10\uFF10"_s, 0}, {"hi_IN", u"\u096E\u0966.\u096B"_s, 177},
            {"pt_BR", u"80.5"_s, 177},   {"pt_BR", u"1.200"_s, 0},       {"en_US", u"80,5"_s, 177},
            {"en_US", u"1,200"_s, 0},    {"en_US", u"80\u066B5"_s, 177}, {"en_US", u"80.5.0"_s, 0},
            {"en_US", u"8e1"_s, 0},      {"en_US", u"."_s, 0}};
        // clang-format on
        for (const auto &[locale, text, expected] : kilograms)
            QTest::addRow("kg_%s_%s", locale, qPrintable(text))
                << QString::fromLatin1(locale) << kg << text << expected;
    }

    void parseWeight_readsLocaleNumbersRoundedHalfToEven()
    {
        QFETCH(QString, localeName);
        QFETCH(UnitSystem, units);
        QFETCH(QString, text);
        QFETCH(int, expected);

        const std::optional<qint16> weight =
            risktest::parseWeight(text, QLocale(localeName), units);
        if (expected == 0)
            QCOMPARE(weight, std::nullopt);
        else
            QCOMPARE(weight, std::optional<qint16>(qint16(expected)));
    }

    // The kilogram message's example is the locale's own form, and reads
    // back; a typed weight is shown back in the same form, never grouped.
    void kilogramsExample_writtenAsTheLocaleWritesIt_data()
    {
        QTest::addColumn<QString>("localeName");
        QTest::addColumn<QString>("example");
        for (const char *name : {"de_DE", "fr_FR", "pt_BR", "es_ES"})
            QTest::newRow(name) << QString::fromLatin1(name) << u"80,5"_s;
        for (const char *name : {"en_US", "hi_IN", "zh_CN", "C"})
            QTest::newRow(name) << QString::fromLatin1(name) << u"80.5"_s;
        QTest::newRow("ar_EG") << u"ar_EG"_s << Arabic80_5;
    }

    void kilogramsExample_writtenAsTheLocaleWritesIt()
    {
        QFETCH(QString, localeName);
        QFETCH(QString, example);
        const QLocale locale(localeName);
        QCOMPARE(risktest::kilogramsExample(locale), example);
        QCOMPARE(risktest::parseWeight(example, locale, kg), std::optional<qint16>(177));
        for (const QString &typed : {u" 80.5 "_s, u"80,5"_s, example})
            QCOMPARE(risktest::weightAsWritten(typed, kg, locale), example);
        QCOMPARE(risktest::weightAsWritten(u" 1890 "_s, lb, locale),
                 text::wholeNumber(1890, locale));
    }

    void checkDetails_firstProblemWins_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<DetailsProblem>("problem");

        QTest::newRow("bothEmpty") << QString() << QString() << DetailsProblem::NameMissing;
        QTest::newRow("nameEmpty") << QString() << u"180"_s << DetailsProblem::NameMissing;
        QTest::newRow("weightEmpty") << u"Ann"_s << QString() << DetailsProblem::WeightMissing;
        QTest::newRow("nameOfSpacesPasses") << u"   "_s << u"180"_s << DetailsProblem::None;
        QTest::newRow("weightOfSpaces") << u"Ann"_s << u"   "_s << DetailsProblem::WeightInvalid;
        QTest::newRow("weightZero") << u"Ann"_s << u"0"_s << DetailsProblem::WeightInvalid;
        QTest::newRow("weightNegative") << u"Ann"_s << u"-3"_s << DetailsProblem::WeightInvalid;
        QTest::newRow("weightTooLarge") << u"Ann"_s << u"40000"_s << DetailsProblem::WeightInvalid;
        QTest::newRow("weightText") << u"Ann"_s << u"abc"_s << DetailsProblem::WeightInvalid;
        QTest::newRow("emptyNameBeforeBadWeight")
            << QString() << u"abc"_s << DetailsProblem::NameMissing;
        QTest::newRow("valid") << u"Ann"_s << u" 150.5 "_s << DetailsProblem::None;
    }

    void checkDetails_firstProblemWins()
    {
        QFETCH(QString, name);
        QFETCH(QString, weight);
        QFETCH(DetailsProblem, problem);
        const risktest::CheckedDetails checked =
            risktest::checkDetails(name, weight, QLocale(u"en_US"_s));
        QCOMPARE(checked.problem, problem);
        // The weight is read once, with the same rounding as parseWeight.
        if (problem == DetailsProblem::None)
            QCOMPARE(checked.weight, *risktest::parseWeight(weight, QLocale(u"en_US"_s)));
    }

    void trimSpaces_removesOnlySpaces_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("bothEnds") << u"  a b  "_s << u"a b"_s;
        QTest::newRow("onlySpaces") << u"    "_s << QString();
        QTest::newRow("tabKept") << u"\t180 "_s << u"\t180"_s;
        QTest::newRow("noBreakSpaceKept") << u"\u00A0180"_s << u"\u00A0180"_s;
        QTest::newRow("empty") << QString() << QString();
    }

    void trimSpaces_removesOnlySpaces()
    {
        QFETCH(QString, text);
        QFETCH(QString, trimmed);
        QCOMPARE(text::trimSpaces(text), trimmed);
    }
};

QTEST_GUILESS_MAIN(PersonalDetailsTest)
#include "tst_personaldetails.moc"
