#include "SheetTable.h"

#include "ui/Controls.h"
#include "ui/Mirroring.h"
#include "ui/look/Colours.h"

#include <QHeaderView>
#include <QTableWidget>

using namespace Qt::Literals::StringLiterals;
namespace colour = ui::colour;

namespace ui::score {

namespace {

constexpr int LabelColumn = 0;
constexpr int ValueColumn = 1;

QTableWidgetItem *createItem(const QString &text, const QFont &font, Qt::Alignment alignment)
{
    auto *item = new QTableWidgetItem(text);
    item->setFont(font);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

void fill(QTableWidget *table, const TableRow &layout, const Sheet &sheet)
{
    QFont bold = layout.font;
    bold.setBold(true);
    table->setRowCount(int(sheet.size()));
    for (int index = 0; index < table->rowCount(); ++index) {
        const SheetRow &row = sheet[std::size_t(index)];
        const QFont &font = row.heading || row.yours ? bold : layout.font;
        if (row.heading) {
            // A question over its answers, shaded like the column headings.
            QTableWidgetItem *heading = createItem(row.label, font, Qt::AlignLeft);
            heading->setBackground(QColor(colour::ButtonFace));
            table->setItem(index, LabelColumn, heading);
            table->setSpan(index, LabelColumn, 1, 2);
            continue;
        }
        QTableWidgetItem *label =
            createItem(row.yours ? markerIn(table) + u' ' + row.label : row.label, font,
                       layout.labelAlignment);
        QTableWidgetItem *value = createItem(row.value, font, layout.valueAlignment);
        if (row.yours) {
            label->setData(Qt::AccessibleTextRole, layout.yoursSpoken.arg(row.label));
            for (QTableWidgetItem *item : {label, value})
                item->setBackground(QColor(colour::PaleGreen));
        }
        table->setItem(index, LabelColumn, label);
        table->setItem(index, ValueColumn, value);
    }
}

void fitColumns(QTableWidget *table, std::optional<int> sizedColumn)
{
    const int width = table->contentsRect().width();
    if (!sizedColumn) {
        table->setColumnWidth(LabelColumn, width / 2);
        table->setColumnWidth(ValueColumn, width - width / 2);
        return;
    }
    table->resizeColumnToContents(*sizedColumn);
    const int other = *sizedColumn == LabelColumn ? ValueColumn : LabelColumn;
    table->setColumnWidth(other, width - table->columnWidth(*sizedColumn));
}

// The height the rows take, and the height the table has for them below its
// column headings.
int rowsHeight(const QTableWidget *table)
{
    return table->verticalHeader()->length();
}
int roomForRows(const QTableWidget *table)
{
    return table->contentsRect().height() - table->horizontalHeader()->sizeHint().height();
}

// The header is given the table's font itself: created with the table, it
// keeps the font of the table's container otherwise.
void setTableFont(QTableWidget *table, const QFont &font)
{
    table->setFont(font);
    table->horizontalHeader()->setFont(font);
}

void setPointSize(QTableWidget *table, qreal pointSize)
{
    QFont font = table->font();
    font.setPointSizeF(pointSize);
    setTableFont(table, font);
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            if (QTableWidgetItem *item = table->item(row, column)) {
                QFont itemFont = item->font();
                itemFont.setPointSizeF(pointSize);
                item->setFont(itemFont);
            }
        }
    }
}

// Every text the table shows, its column headings with its cells.
QString shownTexts(const QTableWidget *table)
{
    QStringList texts;
    for (int column = 0; column < table->columnCount(); ++column) {
        if (const QTableWidgetItem *heading = table->horizontalHeaderItem(column))
            texts << heading->text();
    }
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            if (const QTableWidgetItem *item = table->item(row, column))
                texts << item->text();
        }
    }
    return texts.join(u'\n');
}

void fitRows(QTableWidget *table, const TableRow &layout)
{
    const std::optional<int> sizedColumn = layout.sizedColumn;
    fitColumns(table, sizedColumn);
    table->resizeRowsToContents();
    if (layout.roomBottom) {
        const int needed = table->height() + rowsHeight(table) - roomForRows(table);
        ui::placeAtDesigned(table,
                            ui::grownToHeight(ui::designedGeometry(table), needed,
                                              {.top = table->y(), .bottom = *layout.roomBottom}));
    }
    ui::shrinkUntilFits(
        table->font().pointSizeF(), shownTexts(table),
        [table] { return rowsHeight(table) <= roomForRows(table); },
        [&](qreal pointSize) {
            setPointSize(table, pointSize);
            fitColumns(table, sizedColumn);
            table->resizeRowsToContents();
        });
}

} // namespace

QTableWidget *createSheetTable(QWidget *parent, const TableRow &row, const Sheet &sheet)
{
    auto *table = new QTableWidget(0, 2, parent);
    table->setObjectName(row.name);
    table->setAccessibleName(row.accessibleName);
    ui::placeAtDesigned(table, row.geometry);
    setTableFont(table, row.font);
    table->setHorizontalHeaderLabels(row.headings);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionsClickable(false);
    table->horizontalHeader()->setHighlightSections(false);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table as it leaves any other control.
    table->setTabKeyNavigation(false);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setWordWrap(true);
    // Navy on white like the program's lists, whatever the desktop's theme.
    ui::setListColours(table, colour::Navy);
    fill(table, row, sheet);
    fitRows(table, row);
    // No taller than its rows: below them its container shows, not an empty
    // white box.
    const int spare = roomForRows(table) - rowsHeight(table);
    if (spare > 0) {
        QRect designed = ui::designedGeometry(table);
        designed.setHeight(designed.height() - spare);
        ui::placeAtDesigned(table, designed);
    }
    return table;
}

} // namespace ui::score
