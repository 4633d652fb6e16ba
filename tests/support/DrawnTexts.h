#pragma once

#include "ui/look/Fonts.h"

#include <QColor>
#include <QList>
#include <QRect>
#include <QString>

#include <vector>

class QTableWidget;
class QTableWidgetItem;
class QWidget;

// The texts a window draws, with the colours they are drawn in, for the
// window text tests.
namespace support {

struct DrawnText
{
    const QWidget *control;
    QString text;
    QColor colour;
    QColor ground;
};

// Every text a window shows, with the colours it is drawn in.
std::vector<DrawnText> drawnTexts(QWidget *window);

// The smallest point size a text may be drawn in and stay readable, as the
// program's fitting keeps to it.
using ui::smallestReadablePointSize;

// What a text needs against the room its control gives it, for a failure
// message: "name \"text\": needs WxH at (x,y), has WxH at (x,y)".
QString describe(const QWidget *control, const QString &text, QRect room, QRect needed);

// The cells of a table, but for those under a cell that spans them.
QList<QTableWidgetItem *> cells(const QTableWidget *table);

} // namespace support
