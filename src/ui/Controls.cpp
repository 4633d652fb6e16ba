#include "Controls.h"

#include "AccessKeyTyping.h"
#include "CommandButton.h"
#include "LinkLabel.h"
#include "Mirroring.h"
#include "accessibility/AccessibleInterfaces.h"
#include "accessibility/FocusHandling.h"
#include "platform/Translators.h"
#include "ui/look/Colours.h"
#include "ui/look/Fonts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <QTextLayout>
#include <QtMath>

#include <algorithm>
#include <optional>

namespace ui {

namespace {

// A label keeps the font its table gives it, so that a new text starts from
// the designed size before it is fitted.
constexpr char DesignedFont[] = "designedFont";

constexpr qreal ShrinkStep = 0.25;

// The font a label's table gives it; a label of no table has only its own.
QFont designedFont(const QLabel *label)
{
    const QVariant designed = label->property(DesignedFont);
    return designed.isValid() ? designed.value<QFont>() : label->font();
}

// Qt 6.4 counts the space that ends a wrapped right-to-left line twice when
// it aligns the line: each wrapped line stops a space short of the label's
// right edge, and a line that fills the label loses its last letters past
// the left edge. A wrapped label of right-to-left text is therefore drawn a
// line at a time, each line without its ending space (which a link's line
// would underline and a centred one count), as Qt draws a label's single
// line: where Qt would break them, at the height Qt gives them, in the
// label's colours. Seen with Qt 6.4, so fenced to the versions before 6.5:
// check a newer Qt with the Arabic window tests before the fence moves.
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
class WholeRightToLeftLines final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *label = static_cast<QLabel *>(watched);
        if (event->type() != QEvent::Paint || !label->wordWrap() || !label->text().isRightToLeft())
            return false;
        QPainter painter(label);
        QStyleOption option;
        option.initFrom(label);
        const QRect room = label->contentsRect();
        const int flags = int(QStyle::visualAlignment(Qt::RightToLeft, label->alignment())) |
                          Qt::TextForceRightToLeft;
        QString text = label->text();
        text.replace(u'\n', QChar::LineSeparator);
        QTextLayout layout(text, label->font(), label);
        QTextOption wrapping;
        wrapping.setWrapMode(QTextOption::WordWrap);
        wrapping.setTextDirection(Qt::RightToLeft);
        layout.setTextOption(wrapping);
        const qreal leading = QFontMetricsF(label->font(), label).leading();
        qreal top = 0;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(room.width());
            // Whole pixels, as Qt places a label's lines.
            const int lineTop = qCeil(top + leading);
            const QRect lineRoom(room.left(), room.top() + lineTop - qCeil(leading), room.width(),
                                 room.height());
            int end = line.textStart() + line.textLength();
            while (end > line.textStart() && text[end - 1].isSpace())
                --end;
            label->style()->drawItemText(
                &painter, lineRoom, flags, option.palette, label->isEnabled(),
                text.mid(line.textStart(), end - line.textStart()), label->foregroundRole());
            top = lineTop + line.ascent() + line.descent();
        }
        layout.endLayout();
        return true;
    }
};
#endif

void configureLabel(QLabel *label, const LabelRow &row)
{
    label->setObjectName(row.name);
    label->setTextFormat(Qt::PlainText);
    label->setText(row.text);
    label->setFont(row.font);
    label->setProperty(DesignedFont, row.font);
    label->setAlignment(row.alignment | Qt::AlignTop);
    ui::placeAtDesigned(label, row.geometry);
    ui::setTextColour(label, row.textColour);
    if (row.background)
        ui::setBackgroundColour(label, *row.background);
    if (row.sizedToText) {
        sizeToText(label);
    } else {
        label->setWordWrap(true);
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
        label->installEventFilter(new WholeRightToLeftLines(label));
#endif
        shrinkWrappedFontToFit(label);
    }
}

// The width a label sized to its text may take inside its container: from
// the edge its alignment keeps to the far side of the container, as designed.
int roomForText(const QLabel *label)
{
    const QWidget *container = label->parentWidget();
    if (!container)
        return QWIDGETSIZE_MAX;
    const QRect geometry = designedGeometry(label);
    if (label->alignment() & Qt::AlignRight)
        return geometry.right() + 1;
    if (label->alignment() & Qt::AlignHCenter)
        return container->width();
    return container->width() - geometry.left();
}

} // namespace

QLabel *createLabel(QWidget *parent, const LabelRow &row)
{
    auto *label = new QLabel(parent);
    configureLabel(label, row);
    return label;
}

LinkLabel *createLinkLabel(QWidget *parent, const LabelRow &row)
{
    installAccessibleInterfaces();
    auto *label = new LinkLabel(parent);
    configureLabel(label, row);
    return label;
}

QLineEdit *createTextBox(QWidget *parent, const TextBoxRow &row)
{
    installAccessibleInterfaces();
    auto *textBox = new QLineEdit(parent);
    textBox->setObjectName(row.name);
    textBox->setFont(row.font);
    ui::placeAtDesigned(textBox, row.geometry);
    ui::setTextColour(textBox, row.textColour);
    AccessKeyTyping::suppressIn(textBox);
    announceFocusFirst(textBox);
    return textBox;
}

QComboBox *createDropDownList(QWidget *parent, const TextBoxRow &row)
{
    // Screen readers learn the chosen entry only through the program's own
    // accessible interface for drop-down lists.
    installAccessibleInterfaces();
    auto *list = new QComboBox(parent);
    list->setObjectName(row.name);
    list->setEditable(false);
    list->setFont(row.font);
    ui::placeAtDesigned(list, row.geometry);
    ui::setTextColour(list, row.textColour);
    // The open list is a window of its own, which takes the desktop's menu
    // colours unless it is given the closed box's.
    ui::setListColours(list->view(), row.textColour);
    return list;
}

QPushButton *createButton(QWidget *parent, const ButtonRow &row)
{
    auto *button = new CommandButton(row.caption, parent);
    button->setObjectName(row.name);
    button->setFont(row.font);
    ui::placeAtDesigned(button, row.geometry);
    ui::setButtonColours(button, row.textColour, row.face);
    // As on Windows, Enter presses the button that has the focus.
    button->setAutoDefault(true);
    return button;
}

QGroupBox *createFrame(QWidget *parent, const FrameRow &row)
{
    auto *frame = new QGroupBox(row.caption, parent);
    frame->setObjectName(row.name);
    frame->setFont(row.font);
    ui::placeAtDesigned(frame, row.geometry);
    ui::setFrameColours(frame, row.textColour, row.background);
    return frame;
}

void sizeToText(QLabel *label)
{
    shrinkFontToFit(label, roomForText(label));
    const QSize text = label->sizeHint();
    QRect geometry = designedGeometry(label);
    const Qt::Alignment alignment = label->alignment();
    const int right = geometry.right();
    const int centre = geometry.center().x();
    geometry.setSize(text);
    if (alignment & Qt::AlignRight)
        geometry.moveRight(right);
    else if (alignment & Qt::AlignHCenter)
        geometry.moveLeft(centre - text.width() / 2);
    placeAtDesigned(label, geometry);
}

void shrinkUntilFits(qreal pointSize, const QString &text, const std::function<bool()> &fits,
                     const std::function<void(qreal)> &setPointSize)
{
    const qreal smallest = smallestReadablePointSize(text);
    while (!fits() && pointSize - ShrinkStep >= smallest) {
        pointSize -= ShrinkStep;
        setPointSize(pointSize);
    }
}

void shrinkFontToFit(QWidget *control, int width, int margin)
{
    const QString text = control->property("text").toString();
    QFont font = control->font();
    shrinkUntilFits(
        font.pointSizeF(), text,
        [&] { return QFontMetrics(font).horizontalAdvance(text) + margin <= width; },
        [&](qreal pointSize) { font.setPointSizeF(pointSize); });
    control->setFont(font);
}

void shrinkWrappedFontToFit(QLabel *label)
{
    QFont font = label->font();
    shrinkUntilFits(
        font.pointSizeF(), label->text(),
        [label] { return label->heightForWidth(label->width()) <= label->height(); },
        [&](qreal pointSize) {
            font.setPointSizeF(pointSize);
            label->setFont(font);
        });
}

void setFittedText(QLabel *label, const QString &text)
{
    label->setText(text);
    const QVariant designed = label->property(DesignedFont);
    if (designed.isValid())
        label->setFont(designed.value<QFont>());
    if (label->wordWrap())
        shrinkWrappedFontToFit(label);
    else
        sizeToText(label);
}

void fitPeers(std::initializer_list<QLabel *> peers)
{
    // The English windows stay as they were designed and drawn, pixel for
    // pixel: there each text keeps the size it fits in on its own. A
    // translation runs longer in some places than others, and the peers
    // shrunk unevenly would show two sizes side by side.
    if (!platform::interfaceTranslated())
        return;
    std::optional<qreal> shared;
    for (QLabel *peer : peers) {
        setFittedText(peer, peer->text());
        const qreal size = peer->font().pointSizeF();
        if (size < designedFont(peer).pointSizeF())
            shared = std::min(size, shared.value_or(size));
    }
    if (!shared)
        return;
    for (QLabel *peer : peers) {
        if (peer->font().pointSizeF() <= *shared)
            continue;
        QFont font = peer->font();
        font.setPointSizeF(*shared);
        peer->setFont(font);
        if (!peer->wordWrap())
            sizeToText(peer);
    }
}

QRect grownToHeight(QRect designed, int needed, VerticalRoom room)
{
    const int height = std::min(needed, room.bottom - room.top + 1);
    if (height <= designed.height())
        return designed;
    QRect grown = designed;
    grown.setTop(designed.top() - (height - designed.height()) / 2);
    grown.setHeight(height);
    if (grown.top() < room.top)
        grown.moveTop(room.top);
    if (grown.bottom() > room.bottom)
        grown.moveBottom(room.bottom);
    return grown;
}

void growLabelToText(QLabel *label, VerticalRoom room)
{
    label->setFont(designedFont(label));
    placeAtDesigned(
        label, grownToHeight(designedGeometry(label), label->heightForWidth(label->width()), room));
    shrinkWrappedFontToFit(label);
}

QString arrayMemberName(const QString &arrayName, int index)
{
    return arrayName + u'(' + QString::number(index) + u')';
}

} // namespace ui
