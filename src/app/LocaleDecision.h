#pragma once

#include "platform/Translators.h"
#include "ui/UserLocale.h"

#include <QLocale>
#include <QPageSize>
#include <QString>
#include <QStringList>

// The user's locale, decided once at start-up from the locale's variables as
// the C library reads them: for each kind of setting LC_ALL wins, then the
// setting's own variable (LC_MESSAGES, LC_NUMERIC, LC_MEASUREMENT, LC_PAPER),
// then LANG; nothing set is the C locale. The language comes from LANGUAGE
// unless the messages locale is C or POSIX, which asks for the texts as
// written whatever LANGUAGE lists, as every program translated with GNU
// gettext does ("LC_ALL=C program"). Nothing else in the program reads these
// variables.
namespace app {

// The locale's variables as the environment gives them.
struct LocaleVariables
{
    QString language;    // LANGUAGE: languages by preference, "es_MX:es"
    QString all;         // LC_ALL
    QString messages;    // LC_MESSAGES
    QString numeric;     // LC_NUMERIC
    QString measurement; // LC_MEASUREMENT
    QString paper;       // LC_PAPER
    QString lang;        // LANG

    // The variables of this process; the one place they are read.
    static LocaleVariables fromEnvironment();
};

// The program's translation for the first of the languages (most preferred
// first) that the program speaks, and that language: no file where that
// language is English, in which the program is written, or the C locale, or
// where the program speaks none of them. A language is tried as given
// ("es_US" or "es-US") and then without its regional part ("es").
struct Translation
{
    QString file;
    QLocale::Language language = QLocale::English;
};
Translation translationFor(const QStringList &languages,
                           QStringView folder = platform::TranslationFolder);

// The units of a locale: metric where its measurement system is; imperial
// for the US and UK ones, and for the C and POSIX locales, which Qt reports
// as metric but which keep the program's original screens.
risktest::UnitSystem unitSystemFor(const QLocale &locale);

// Letter where the United States' units are used, A4 everywhere else.
QPageSize::PageSizeId paperFor(QLocale::MeasurementSystem system);

// The language, the units, the paper, and the locale of dates and numbers.
ui::UserLocale decideUserLocale(const LocaleVariables &variables,
                                QStringView folder = platform::TranslationFolder);

} // namespace app
