#pragma once

#include <QLabel>

// A label that acts on a single click, like a web link: it shows the hand
// pointer and reports a left click that is pressed and released on it. To
// assistive technology it is a link with a press action; like any label it
// takes no keyboard focus.
class LinkLabel final : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(QWidget *parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};
