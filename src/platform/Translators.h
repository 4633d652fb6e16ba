#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

// The language the program speaks. Its texts are written in English and
// translated the Qt way: the source text is the key, and each language is a
// .qm file among the program's resources (translations/ holds the .ts files
// they are built from). Qt's own texts, such as the buttons of message boxes
// and the file and print dialogs, come from Qt's translation of the same
// language, installed with Qt.
namespace platform {

// Where the program's translations lie among its resources.
inline constexpr QStringView TranslationFolder = u":/i18n";

// The program's translation for the first of the user's languages (most
// preferred first, as QLocale::uiLanguages gives them) that the program
// speaks: empty when that language is English, in which the program is
// written, or the C locale, or when the program speaks none of them. A
// language is tried as given ("es-US") and then without its regional part
// ("es").
QString translationFileFor(const QStringList &uiLanguages, QStringView folder = TranslationFolder);

// The user's languages, most preferred first, as Qt reads them from
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG; none where the messages locale is C
// or POSIX (or not set), which asks for the texts as written whatever
// LANGUAGE lists, as of every program translated with GNU gettext
// ("LC_ALL=C program").
QStringList userLanguages();

// Installs, for as long as it lives, the program's translation for the
// first of the languages it speaks and Qt's own translation for the same
// language. Where the program has no translation nothing is installed, so
// English shows exactly as written. Made after the application object and
// before any window or message box.
class Translators final
{
public:
    explicit Translators(const QStringList &uiLanguages = userLanguages());
    Translators(const Translators &) = delete;
    Translators &operator=(const Translators &) = delete;

private:
    // Each removes itself from the application as it goes.
    QTranslator program;
    QTranslator qt;
};

// Whether the texts the windows show are a translation rather than the
// English they are written in. Asks the installed translations themselves, so
// it holds for whatever installed them.
bool interfaceTranslated();

} // namespace platform
