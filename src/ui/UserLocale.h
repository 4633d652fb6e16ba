#pragma once

#include "risktest/Units.h"

#include <QLocale>
#include <QPageSize>
#include <QString>

namespace ui {

// What the windows are told of the user's locale. The start-up decides it
// once, from the locale's variables (app/LocaleDecision.h), and hands it to
// the windows; nothing under ui/, report/ or risktest/ asks the system again.
// Made without a decision, it is the program as written: US English.
struct UserLocale
{
    // The program's translation, among its resources; empty where the texts
    // show as written, in English.
    QString translation;
    // Dates and numbers: the language the texts are shown in, with the
    // conventions of the user's country where that language has them there
    // ("en_DE" for English texts on a German system). The C locale where the
    // user asked for none.
    QLocale locale{QLocale::English, QLocale::UnitedStates};
    // The units of the height list, the weight box and the score.
    risktest::UnitSystem units = risktest::UnitSystem::Imperial;
    // The paper a result is saved on as PDF.
    QPageSize::PageSizeId paper = QPageSize::Letter;
};

} // namespace ui
