#include "LocaleDecision.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace app {
namespace {

// The locale a kind of setting follows, without its codeset or modifier:
// "de_DE.UTF-8@euro" is "de_DE".
QString localeOf(const LocaleVariables &variables, const QString &own)
{
    for (const QString *name : {&variables.all, &own, &variables.lang}) {
        if (!name->isEmpty())
            return name->section(u'.', 0, 0).section(u'@', 0, 0);
    }
    return QString();
}

// Nothing set, "C", "C.UTF-8" and "POSIX" all ask for the C locale.
bool isC(const QString &name)
{
    return name.isEmpty() || QLocale(name).language() == QLocale::C;
}

// The user's languages, most preferred first; none where the messages are
// to be shown as written.
QStringList languagesOf(const LocaleVariables &variables)
{
    const QString messages = localeOf(variables, variables.messages);
    if (isC(messages))
        return {};
    if (!variables.language.isEmpty())
        return variables.language.split(u':', Qt::SkipEmptyParts);
    return {messages};
}

} // namespace

LocaleVariables LocaleVariables::fromEnvironment()
{
    return {.language = qEnvironmentVariable("LANGUAGE"),
            .all = qEnvironmentVariable("LC_ALL"),
            .messages = qEnvironmentVariable("LC_MESSAGES"),
            .numeric = qEnvironmentVariable("LC_NUMERIC"),
            .measurement = qEnvironmentVariable("LC_MEASUREMENT"),
            .paper = qEnvironmentVariable("LC_PAPER"),
            .lang = qEnvironmentVariable("LANG")};
}

Translation translationFor(const QStringList &languages, QStringView folder)
{
    for (const QString &language : languages) {
        const QLocale locale(language);
        // English is the language the texts are written in; the C locale
        // asks for no translation at all.
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return {};
        QString name = language;
        name.replace(u'-', u'_');
        for (;;) {
            const QString file = folder.toString() + u"/kelo_"_s + name + u".qm"_s;
            if (QFileInfo::exists(file))
                return {.file = file, .language = locale.language()};
            const qsizetype regional = name.lastIndexOf(u'_');
            if (regional < 0)
                break;
            name.truncate(regional);
        }
    }
    return {};
}

risktest::UnitSystem unitSystemFor(const QLocale &locale)
{
    if (locale.language() == QLocale::C)
        return risktest::UnitSystem::Imperial;
    return locale.measurementSystem() == QLocale::MetricSystem ? risktest::UnitSystem::Metric
                                                               : risktest::UnitSystem::Imperial;
}

QPageSize::PageSizeId paperFor(QLocale::MeasurementSystem system)
{
    return system == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

ui::UserLocale decideUserLocale(const LocaleVariables &variables, QStringView folder)
{
    const Translation translation = translationFor(languagesOf(variables), folder);
    // Dates and numbers in the language of the texts, the country's way.
    const QString regional = localeOf(variables, variables.numeric);
    const bool asWritten = translation.file.isEmpty();
    const QLocale locale =
        asWritten && isC(regional)
            ? QLocale::c()
            : QLocale(translation.language,
                      isC(regional) ? QLocale::AnyTerritory : QLocale(regional).territory());
    return {.translation = translation.file,
            .locale = locale,
            .units = unitSystemFor(QLocale(localeOf(variables, variables.measurement))),
            .paper = paperFor(QLocale(localeOf(variables, variables.paper)).measurementSystem())};
}

} // namespace app
