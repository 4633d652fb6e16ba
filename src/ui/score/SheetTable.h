#pragma once

#include "ScoreSheet.h"

#include <QFont>
#include <QRect>
#include <QStringList>
#include <QWidget>

#include <optional>

class QTableWidget;
class QWidget;

// A read-only table of the score window, built from one layout row and filled
// with a sheet of two columns: label and value. Tab moves past it and the
// arrows move within it, so a screen reader reads it cell by cell with the
// column's heading. It shows every row: rows are as tall as their text, and
// where that needs more room than the table has (a longer translation, a
// wider substitute font) the table grows into the room its container leaves
// it, then the font shrinks, as the labels' fonts do.
namespace ui::score {

// Stands before the label of the person's own row, so that it is marked
// without colour too.
inline constexpr QStringView Marker = u"\u25BA";
inline constexpr QStringView MarkerRightToLeft = u"\u25C4";

// The marker as `control` shows it: pointing at the label it stands before,
// so right to left, where it stands at the label's right, it points left.
inline QString markerIn(const QWidget *control)
{
    return (control->isRightToLeft() ? MarkerRightToLeft : Marker).toString();
}

struct TableRow
{
    QString name = {};
    QString accessibleName = {};
    QStringList headings = {};
    QRect geometry = {};
    QFont font = {};
    // The label column's and the value column's alignment.
    Qt::Alignment labelAlignment = Qt::AlignLeft;
    Qt::Alignment valueAlignment = Qt::AlignHCenter;
    // The column as wide as its widest text; the other takes the rest. With
    // none, the columns share the width.
    std::optional<int> sizedColumn = {};
    // What a screen reader says of the person's own row: "%1" is its label.
    QString yoursSpoken = {};
    // The lowest pixel row of its container the table may grow down to where
    // its rows need more than its designed height at the designed font (the
    // taller lines of Chinese); without it, the font shrinks at once.
    std::optional<int> roomBottom = {};
};

QTableWidget *createSheetTable(QWidget *parent, const TableRow &row, const Sheet &sheet);

} // namespace ui::score
