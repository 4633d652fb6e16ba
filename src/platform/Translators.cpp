#include "Translators.h"

#include <QCoreApplication>
#include <QLibraryInfo>

using namespace Qt::Literals::StringLiterals;

namespace platform {
namespace {

// Every translation answers this with its language's code; untranslated, it
// comes back as it is. Qt marks a translation's layout direction the same way.
//: The code of this translation's language, as in its file name: es, de,
//: pt_BR. Never shown.
constexpr char LanguageMarker[] = QT_TRANSLATE_NOOP("Translators", "LANGUAGE_CODE");

QString languageOf(const QTranslator &translator)
{
    // The .ts file names the language; "es_419" and "es" load Qt's "qtbase_es".
    return translator.language().section(u'_', 0, 0).section(u'-', 0, 0);
}

} // namespace

Translators::Translators(const QString &translationFile)
{
    if (translationFile.isEmpty() || !program.load(translationFile))
        return;
    QCoreApplication::installTranslator(&program);
    // Qt's own texts in the same language, where Qt's translations are
    // installed; without them Qt's buttons and dialogs stay in English.
    if (qt.load(u"qtbase_"_s + languageOf(program),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
}

bool interfaceTranslated()
{
    return QCoreApplication::translate("Translators", LanguageMarker) !=
           QLatin1StringView(LanguageMarker);
}

} // namespace platform
