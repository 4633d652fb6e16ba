#include "Colours.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace ui {

void setTextColour(QWidget *control, QRgb rgb)
{
    QPalette palette = control->palette();
    const QColor colour(rgb);
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::Base, QColor(colour::TextBoxBackground));
    palette.setColor(QPalette::Button, QColor(colour::ButtonFace));
    control->setPalette(palette);
}

void setButtonColours(QWidget *button, QRgb text, QRgb face)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, QColor(text));
    palette.setColor(QPalette::Button, QColor(face));
    button->setPalette(palette);
}

void setListColours(QWidget *listView, QRgb text)
{
    setTextColour(listView, text);
    QPalette palette = listView->palette();
    palette.setColor(QPalette::Window, QColor(colour::TextBoxBackground));
    palette.setColor(QPalette::Highlight, QColor(colour::Selection));
    palette.setColor(QPalette::HighlightedText, QColor(colour::SelectedText));
    listView->setPalette(palette);
}

void setBackgroundColour(QWidget *widget, QRgb rgb)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor(rgb));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setFrameColours(QWidget *frame, QRgb text, QRgb background)
{
    QPalette palette = frame->palette();
    palette.setColor(QPalette::WindowText, QColor(text));
    palette.setColor(QPalette::Window, QColor(background));
    frame->setPalette(palette);
    frame->setAutoFillBackground(true);
}

} // namespace ui
