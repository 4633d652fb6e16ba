#pragma once

#include <QString>
#include <QTranslator>

// The language the program speaks. Its texts are written in English and
// translated the Qt way: the source text is the key, and each language is a
// .qm file among the program's resources (translations/ holds the .ts files
// they are built from). Qt's own texts, such as the buttons of message boxes
// and the file and print dialogs, come from Qt's translation of the same
// language, installed with Qt; for a language Qt has none of (Hindi), and
// where the program mends Qt's (Arabic), from the program's resources
// (translations/qt/).
namespace platform {

// Where the program's translations lie among its resources.
inline constexpr QStringView TranslationFolder = u":/i18n";

// Installs, for as long as it lives, the program's translation from the
// given file (the start-up chooses it, app/LocaleDecision.h) and Qt's own
// translation for the same language. Beneath them, whatever the language,
// English's plural forms of the texts with a count ("1 point", "2 points"):
// without a file English shows as written save for those. Made after the application object and
// before any window or message box. A right-to-left language (Arabic) turns
// the application's layout direction right to left.
class Translators final
{
public:
    explicit Translators(const QString &translationFile);
    ~Translators();
    Translators(const Translators &) = delete;
    Translators &operator=(const Translators &) = delete;

private:
    // Each removes itself from the application as it goes.
    QTranslator english;
    QTranslator program;
    QTranslator qt;
    QTranslator qtOwnCopy;
    bool rightToLeft = false;
};

// Whether the texts the windows show are a translation rather than the
// English they are written in. Asks the installed translations themselves, so
// it holds for whatever installed them.
bool interfaceTranslated();

} // namespace platform
