// The weight box's text, as typed in any of a few locales, read as pounds.

#include "FuzzCheck.h"
#include "risktest/PersonalDetails.h"

#include <QLocale>

#include <array>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

// Decimal comma and dot, with a dot, comma or narrow space between thousands.
const std::array<QLocale, 4> &locales()
{
    static const std::array<QLocale, 4> all{QLocale::c(), QLocale(u"en_US"_s), QLocale(u"de_DE"_s),
                                            QLocale(u"fr_FR"_s)};
    return all;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (QLocale locale : locales()) {
        const std::optional<qint16> weight = risktest::parseWeight(text, locale);
        KELO_FUZZ_CHECK(risktest::parseWeight(text, locale) == weight);
        // Spaces around the number are what a careless typist adds; they
        // never change the reading.
        KELO_FUZZ_CHECK(risktest::parseWeight(u"  "_s + text + u' ', locale) == weight);
        if (!weight)
            continue;
        KELO_FUZZ_CHECK(*weight >= 1 && *weight <= 32767);
        // The whole number the test scores reads back as itself.
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        KELO_FUZZ_CHECK(risktest::parseWeight(locale.toString(int(*weight)), locale) == weight);
    }
    return 0;
}
