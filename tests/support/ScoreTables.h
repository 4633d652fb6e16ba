#pragma once

#include "ui/score/SheetTable.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QTableWidget>
#include <QTimer>

#include <functional>

// The score window as a test reads it: opened from the main window's menu,
// its tables as text.

// Hands the window How Is My Score Calculated opens to `look`, then closes it.
inline void lookAtScoreWindow(QWidget &main, const std::function<void(QDialog &score)> &look)
{
    using namespace Qt::Literals::StringLiterals;
    QTimer::singleShot(0, [&look] {
        auto *score = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        look(*score);
        score->reject();
    });
    main.findChild<QAction *>(u"mnuScore"_s)->trigger();
}

inline QString shownRow(const QString &label, const QString &value, int marks)
{
    using namespace Qt::Literals::StringLiterals;
    return label + u" | "_s + value + (marks == 3 ? u" *"_s : marks == 0 ? u""_s : u" !"_s);
}

// A table of the score window, a row a line: "label | value", with " *"
// after the person's own: the pointer before its label, bold, and said to be
// theirs to screen readers. A row with only some of these ends in " !".
inline QStringList shownRows(const QDialog &score, const QString &name)
{
    const auto *table = score.findChild<QTableWidget *>(name);
    QStringList rows;
    for (int index = 0; index < table->rowCount(); ++index) {
        const QTableWidgetItem *label = table->item(index, 0);
        const QTableWidgetItem *value = table->item(index, 1); // none under a question
        QString text = label->text();
        const bool pointer = text.startsWith(ui::score::Marker);
        text.remove(0, pointer ? ui::score::Marker.size() + 1 : 0);
        const QString spoken = label->data(Qt::AccessibleTextRole).toString();
        const bool bold = value && label->font().bold() && value->font().bold();
        rows << shownRow(text, value ? value->text() : QString(),
                         int(pointer) + int(bold) + int(spoken.contains(text) && spoken != text));
    }
    return rows;
}
