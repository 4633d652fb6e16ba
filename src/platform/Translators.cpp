#include "Translators.h"

#include <QCoreApplication>
#include <QFileInfo>
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

QString translationFileFor(const QStringList &uiLanguages, QStringView folder)
{
    for (const QString &language : uiLanguages) {
        const QLocale locale(language);
        // English is the language the texts are written in; the C locale
        // asks for no translation at all.
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return QString();
        QString name = language;
        name.replace(u'-', u'_');
        for (;;) {
            const QString file = folder.toString() + u"/kelo_"_s + name + u".qm"_s;
            if (QFileInfo::exists(file))
                return file;
            const qsizetype regional = name.lastIndexOf(u'_');
            if (regional < 0)
                break;
            name.truncate(regional);
        }
    }
    return QString();
}

QStringList userLanguages()
{
    // Qt reads LANGUAGE first, and takes its language for the system locale
    // even under C.UTF-8.
    QByteArray messages = qgetenv("LC_ALL");
    if (messages.isEmpty())
        messages = qgetenv("LC_MESSAGES");
    if (messages.isEmpty())
        messages = qgetenv("LANG");
    const QByteArray name = messages.left(messages.indexOf('.'));
    if (name.isEmpty() || name == "C" || name == "POSIX")
        return {};
    return QLocale::system().uiLanguages();
}

Translators::Translators(const QStringList &uiLanguages)
{
    const QString file = translationFileFor(uiLanguages);
    if (file.isEmpty() || !program.load(file))
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
