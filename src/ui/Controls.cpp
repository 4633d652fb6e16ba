#include "Controls.h"

#include "AccessKeyTyping.h"
#include "CommandButton.h"
#include "LinkLabel.h"
#include "platform/Colours.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ui {

namespace {

void configureLabel(QLabel *label, const LabelSpec &spec)
{
    label->setObjectName(spec.name);
    label->setTextFormat(Qt::PlainText);
    label->setText(spec.text);
    label->setFont(spec.font);
    label->setAlignment(spec.alignment | Qt::AlignTop);
    label->setGeometry(spec.geometry);
    platform::setTextColour(label, spec.textColour);
    if (spec.background)
        platform::setBackgroundColour(label, *spec.background);
    if (spec.sizedToText) {
        sizeToText(label);
    } else {
        label->setWordWrap(true);
    }
}

// The width a label sized to its text may take inside its container: from
// the edge its alignment keeps to the far side of the container.
int roomForText(const QLabel *label)
{
    const QWidget *container = label->parentWidget();
    if (!container)
        return QWIDGETSIZE_MAX;
    const QRect geometry = label->geometry();
    if (label->alignment() & Qt::AlignRight)
        return geometry.right() + 1;
    if (label->alignment() & Qt::AlignHCenter)
        return container->width();
    return container->width() - geometry.left();
}

} // namespace

QLabel *createLabel(QWidget *parent, const LabelSpec &spec)
{
    auto *label = new QLabel(parent);
    configureLabel(label, spec);
    return label;
}

LinkLabel *createLinkLabel(QWidget *parent, const LabelSpec &spec)
{
    auto *label = new LinkLabel(parent);
    configureLabel(label, spec);
    return label;
}

QLineEdit *createTextBox(QWidget *parent, const TextBoxSpec &spec)
{
    auto *textBox = new QLineEdit(parent);
    textBox->setObjectName(spec.name);
    textBox->setFont(spec.font);
    textBox->setGeometry(spec.geometry);
    platform::setTextColour(textBox, spec.textColour);
    AccessKeyTyping::suppressIn(textBox);
    return textBox;
}

QComboBox *createDropDownList(QWidget *parent, const TextBoxSpec &spec)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(spec.name);
    list->setEditable(false);
    list->setFont(spec.font);
    list->setGeometry(spec.geometry);
    platform::setTextColour(list, spec.textColour);
    return list;
}

QPushButton *createButton(QWidget *parent, const ButtonSpec &spec)
{
    auto *button = new CommandButton(spec.caption, parent);
    button->setObjectName(spec.name);
    button->setFont(spec.font);
    button->setGeometry(spec.geometry);
    // As on Windows, Enter presses the button that has the focus.
    button->setAutoDefault(true);
    return button;
}

QGroupBox *createFrame(QWidget *parent, const FrameSpec &spec)
{
    auto *frame = new QGroupBox(spec.caption, parent);
    frame->setObjectName(spec.name);
    frame->setFont(spec.font);
    frame->setGeometry(spec.geometry);
    platform::setFrameColours(frame, spec.textColour, spec.background);
    return frame;
}

void sizeToText(QLabel *label)
{
    shrinkFontToFit(label, roomForText(label));
    const QSize text = label->sizeHint();
    QRect geometry = label->geometry();
    const Qt::Alignment alignment = label->alignment();
    const int right = geometry.right();
    const int centre = geometry.center().x();
    geometry.setSize(text);
    if (alignment & Qt::AlignRight)
        geometry.moveRight(right);
    else if (alignment & Qt::AlignHCenter)
        geometry.moveLeft(centre - text.width() / 2);
    label->setGeometry(geometry);
}

void shrinkFontToFit(QWidget *control, int width, int margin)
{
    const QString text = control->property("text").toString();
    QFont font = control->font();
    constexpr qreal Step = 0.25;
    constexpr qreal Smallest = 6;
    while (QFontMetrics(font).horizontalAdvance(text) + margin > width &&
           font.pointSizeF() - Step >= Smallest)
        font.setPointSizeF(font.pointSizeF() - Step);
    control->setFont(font);
}

QString arrayMemberName(const QString &arrayName, int index)
{
    return arrayName + u'(' + QString::number(index) + u')';
}

} // namespace ui
