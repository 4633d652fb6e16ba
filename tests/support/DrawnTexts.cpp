#include "DrawnTexts.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

using namespace Qt::Literals::StringLiterals;

namespace support {
namespace {

// The colour a label or frame caption stands on: the nearest container that
// paints its own background, else the window.
QColor groundOf(const QWidget *widget)
{
    while (!widget->isWindow() && !widget->autoFillBackground())
        widget = widget->parentWidget();
    return widget->palette().color(QPalette::Window);
}

} // namespace

QList<QTableWidgetItem *> cells(const QTableWidget *table)
{
    QList<QTableWidgetItem *> items = table->findItems(u""_s, Qt::MatchContains);
    items.removeAll(nullptr);
    return items;
}

std::vector<DrawnText> drawnTexts(QWidget *window)
{
    std::vector<DrawnText> texts;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window) || !widget->isEnabled())
            continue;
        const QPalette &palette = widget->palette();
        if (auto *label = qobject_cast<QLabel *>(widget))
            texts.push_back(
                {label, label->text(), palette.color(QPalette::WindowText), groundOf(label)});
        else if (auto *frame = qobject_cast<QGroupBox *>(widget))
            texts.push_back(
                {frame, frame->title(), palette.color(QPalette::WindowText), groundOf(frame)});
        else if (auto *box = qobject_cast<QLineEdit *>(widget))
            texts.push_back(
                {box, box->text(), palette.color(QPalette::Text), palette.color(QPalette::Base)});
        else if (auto *box = qobject_cast<QPlainTextEdit *>(widget))
            texts.push_back({box, box->toPlainText(), palette.color(QPalette::Text),
                             palette.color(QPalette::Base)});
        else if (auto *list = qobject_cast<QComboBox *>(widget)) {
            texts.push_back({list, list->currentText(), palette.color(QPalette::ButtonText),
                             palette.color(QPalette::Button)});
            // The open list draws its entries as menu entries, the chosen
            // one highlighted, in the colours set on it and else a menu's.
            const QPalette open = list->view()->palette().resolve(QApplication::palette("QMenu"));
            for (int row = 0; row < list->count(); ++row) {
                const bool chosen = row == list->currentIndex();
                texts.push_back({list, list->itemText(row),
                                 open.color(chosen ? QPalette::HighlightedText : QPalette::Text),
                                 open.color(chosen ? QPalette::Highlight : QPalette::Window)});
            }
        } else if (auto *button = qobject_cast<QPushButton *>(widget))
            texts.push_back({button, button->text(), palette.color(QPalette::ButtonText),
                             palette.color(QPalette::Button)});
        else if (auto *table = qobject_cast<QTableWidget *>(widget))
            for (const QTableWidgetItem *item : cells(table)) // on their own ground or the table's
                texts.push_back({table, item->text(), palette.color(QPalette::Text),
                                 item->background().style() ? item->background().color()
                                                            : palette.color(QPalette::Base)});
    }
    std::erase_if(texts, [](const DrawnText &drawn) { return drawn.text.isEmpty(); });
    return texts;
}

QString describe(const QWidget *control, const QString &text, QRect room, QRect needed)
{
    return u"%1 \"%2\": needs %3x%4 at (%5,%6), has %7x%8 at (%9,%10)"_s.arg(control->objectName())
        .arg(text.left(40))
        .arg(needed.width())
        .arg(needed.height())
        .arg(needed.x())
        .arg(needed.y())
        .arg(room.width())
        .arg(room.height())
        .arg(room.x())
        .arg(room.y());
}

} // namespace support
