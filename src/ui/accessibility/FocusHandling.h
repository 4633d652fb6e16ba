#pragma once

#include <functional>

class QWidget;

// When screen readers hear of a change as the focus moves. Qt tells them of a
// new focus only after the widget has handled its focus event, and a text box
// selects its text or moves its caret as it does: Orca then takes the caret
// move for the focus change and keeps silent about the box. This is the order
// of QWidget::setFocus, not a flaw of one Qt version, so it is not fenced.
namespace ui {

// Runs the change without telling assistive technology of anything it does. A
// text box that changes its text just before it takes the focus would have
// screen readers take the caret move for the focus change and keep silent
// about the box; such a box is read as it is when the focus arrives.
void changeUnannounced(const std::function<void()> &change);

// Keeps what the text box does as it takes the focus unannounced, so that the
// focus is told first, and the selection it drops as it loses the focus
// ("text unselected").
void announceFocusFirst(QWidget *textBox);

} // namespace ui
