#pragma once

#include "ui/look/Colours.h"

#include <QFont>
#include <QRect>
#include <QRgb>
#include <QString>

#include <functional>
#include <initializer_list>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class LinkLabel;

// Builders for the controls of the program's fixed-layout windows. Each takes
// one row of a window's layout table: name, text, geometry, font and colours.
namespace ui {

struct LabelRow
{
    QString name = {};
    QString text = {};
    QRect geometry = {};
    QFont font = {};
    QRgb textColour = 0;
    // Opaque labels paint this; without it the label is transparent.
    std::optional<QRgb> background = {};
    Qt::Alignment alignment = Qt::AlignLeft;
    // Labels wrap at their width unless they size themselves to their text.
    bool sizedToText = false;
};

struct TextBoxRow
{
    QString name = {};
    QRect geometry = {};
    QFont font = {};
    QRgb textColour = 0;
};

struct ButtonRow
{
    QString name = {};
    QString caption = {};
    QRect geometry = {};
    QFont font = {};
    // Fixed, so that no desktop theme puts one button of a window on a dark
    // face and its neighbour on a light one.
    QRgb textColour = ui::colour::PlainButtonText;
    QRgb face = ui::colour::PlainButtonFace;
};

struct FrameRow
{
    QString name = {};
    QString caption = {};
    QRect geometry = {};
    QFont font = {};
    QRgb textColour = 0;
    QRgb background = 0;
};

QLabel *createLabel(QWidget *parent, const LabelRow &row);
// A label that acts on a click and shows the hand pointer.
LinkLabel *createLinkLabel(QWidget *parent, const LabelRow &row);
QLineEdit *createTextBox(QWidget *parent, const TextBoxRow &row);
// A drop-down list that offers a choice from its entries only, no typing.
QComboBox *createDropDownList(QWidget *parent, const TextBoxRow &row);
QPushButton *createButton(QWidget *parent, const ButtonRow &row);
QGroupBox *createFrame(QWidget *parent, const FrameRow &row);

// Gives a label sized to its text the width and height of its current text.
// The edge its alignment names stays put: the right edge of a right-aligned
// label, the middle of a centred one, else the left edge, as designed, left
// to right (ui/Mirroring.h): right to left the label is its mirror image.
void sizeToText(QLabel *label);

// The one way a text is made to fit its room: while `fits` says it does not,
// its font, at `pointSize` now, is made a quarter point smaller through
// `setPointSize`, but never below the size that keeps `text` readable
// (ui/look/Fonts.h). A text that fits keeps its size.
void shrinkUntilFits(qreal pointSize, const QString &text, const std::function<bool()> &fits,
                     const std::function<void(qreal)> &setPointSize);

// Where a substitute font is wider than the designed one, makes the
// control's font smaller, a quarter point at a time, until its text (plus the
// margin) fits the width. A text that fits keeps its designed size.
void shrinkFontToFit(QWidget *control, int width, int margin = 0);

// The same for a word-wrapped label: its font shrinks until every line of its
// text fits the label's height, so that no configured name and no substitute
// font loses a line.
void shrinkWrappedFontToFit(QLabel *label);

// Gives a label of a layout table a new text in its designed font, then fits
// it as the label was built: sized to the text, or wrapped within its box.
void setFittedText(QLabel *label, const QString &text);

// Fits peers that stand together (the paragraphs of a panel, a column of
// field labels) as one: each is fitted from its designed size, and once any
// of them has had to shrink, all take the smallest size among them, so that
// no two of them show two sizes. Only where a translation is shown: the
// English texts keep the sizes each fits in on its own, as the windows were
// designed, pixel for pixel.
void fitPeers(std::initializer_list<QLabel *> peers);

// The pixel rows of its container a control may grow into, both included.
struct VerticalRoom
{
    int top = 0;
    int bottom = 0;
};

// The rectangle a row of a layout table takes to show what needs `needed`
// pixels in height: Chinese glyphs come from fallback fonts whose lines are
// taller than the Latin line the row was drawn for. A row high enough keeps
// its designed rectangle, pixel for pixel; a lower one grows about its
// middle, and where the room stops it on one side, towards the other, never
// beyond the room.
QRect grownToHeight(QRect designed, int needed, VerticalRoom room);

// Gives a wrapped label of a layout table the height its text needs at its
// designed font, as grownToHeight grows it within `room`, and fits the text
// there as the label was built. A text that fits the designed height keeps
// the label as designed.
void growLabelToText(QLabel *label, VerticalRoom room);

// The name of member `index` of a control array, e.g. "lblResult(0)".
QString arrayMemberName(const QString &arrayName, int index);

} // namespace ui
