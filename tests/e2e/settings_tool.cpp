// The end-to-end tests' way into the program's settings file: the program's
// own store writes it and Qt reads it, so the tests hold no INI rules or
// scrambling of their own.
//   settings_tool read FILE               every entry as stored, a JSON object
//                                         by QSettings' full key
//   settings_tool write FILE KEY VALUE... plain pairs saved through the store
//   settings_tool scramble TEXT...        the texts as the store keeps them
//   settings_tool unscramble TEXT...      and back, both as a JSON array
#include "settings/Scramble.h"
#include "settings/SettingsStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QStringList>

#include <cstdio>

namespace {

void print(const QJsonDocument &document)
{
    std::fputs(document.toJson(QJsonDocument::Compact).constData(), stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QString command = arguments.value(0);
    if (command == u"read" && arguments.size() == 2) {
        const QSettings file(arguments[1], QSettings::IniFormat);
        QJsonObject entries;
        for (const QString &key : file.allKeys())
            entries.insert(key, file.value(key).toString());
        // What QSettings cannot make out of a damaged file counts as missing,
        // as it does for the program.
        print(QJsonDocument(entries));
        return 0;
    }
    if (command == u"write" && arguments.size() >= 4 && arguments.size() % 2 == 0) {
        settings::SettingsStore store(arguments[1]);
        for (qsizetype at = 2; at < arguments.size(); at += 2) {
            if (!store.setValue(arguments[at], arguments[at + 1]))
                return 1;
        }
        return 0;
    }
    const bool scramble = command == u"scramble";
    if (scramble || command == u"unscramble") {
        QJsonArray texts;
        for (const QString &text : arguments.mid(1))
            texts.append(scramble ? settings::ScrambleText(text) : settings::UnscrambleText(text));
        print(QJsonDocument(texts));
        return 0;
    }
    std::fputs("usage: settings_tool read FILE | write FILE KEY VALUE... | "
               "scramble TEXT... | unscramble TEXT...\n",
               stderr);
    return 2;
}
