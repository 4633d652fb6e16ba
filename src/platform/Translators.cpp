#include "Translators.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>

using namespace Qt::Literals::StringLiterals;

namespace platform {
namespace {

// Every translation answers this with its language's code; untranslated, it
// comes back as it is. Qt marks a translation's layout direction the same way.
//: The code of this translation's language, as in its file name: es, de,
//: pt_BR. Never shown.
constexpr char LanguageMarker[] = QT_TRANSLATE_NOOP("Translators", "LANGUAGE_CODE");

// The .ts file names the language. Qt has some of its own by region
// ("qtbase_pt_BR", "qtbase_zh_CN"), and load() drops the region where it has
// none: "es_419" and "es" load "qtbase_es".
QString languageOf(const QTranslator &translator)
{
    return translator.language().replace(u'-', u'_');
}

} // namespace

Translators::Translators(const QString &translationFile)
{
    // English's texts with a count, beneath the language's own: a text's
    // plural forms follow English's rules unless the language gives its own.
    if (english.load(u"kelo_en"_s, TranslationFolder.toString()))
        QCoreApplication::installTranslator(&english);
    if (translationFile.isEmpty() || !program.load(translationFile))
        return;
    QCoreApplication::installTranslator(&program);
    // Qt's own translation turns the application right to left for a
    // right-to-left language; so does the program's, with or without Qt's.
    if (QLocale(languageOf(program)).textDirection() == Qt::RightToLeft) {
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        rightToLeft = true;
    }
    // Qt's own texts in the same language, where Qt's translations are
    // installed; over them the program's own copy of those a user meets, for
    // a language Qt has none of, or of those it mends in Qt's (the Arabic
    // access letters). The last installed is asked first. Without either
    // Qt's buttons and dialogs stay in English.
    const QString qtFile = u"qtbase_"_s + languageOf(program);
    if (qt.load(qtFile, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    if (qtOwnCopy.load(qtFile, TranslationFolder.toString()))
        QCoreApplication::installTranslator(&qtOwnCopy);
}

Translators::~Translators()
{
    // Back to the direction the remaining translations give.
    if (rightToLeft)
        QGuiApplication::setLayoutDirection(Qt::LayoutDirectionAuto);
}

bool interfaceTranslated()
{
    return QCoreApplication::translate("Translators", LanguageMarker) !=
           QLatin1StringView(LanguageMarker);
}

} // namespace platform
