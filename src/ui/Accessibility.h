#pragma once

#include <QString>

#include <functional>

class QComboBox;
class QWidget;

// What assistive technology is told about the program's controls, beyond
// what Qt tells it by itself. The drawn windows stay as they are: only names,
// descriptions and the moments at which screen readers hear of a change are
// set here.
//
// Qt 6.4 reports no value for a drop-down list that screen readers can read
// (they look for a selection, which Qt offers only from 6.5 on), so drop-down
// lists get an accessible interface of their own that offers their chosen
// entry as text, which Orca reads as their value and speaks as it changes.
// Other controls announce through their description, which screen readers
// speak after the control's name, role and value as it takes the focus.
namespace ui {

// Registers the program's accessible interfaces (drop-down lists, text boxes,
// the wizard's stack of panels). The control builders call it; the first call
// counts.
void installAccessibleInterfaces();

// Says each chosen entry of the list, in words, whenever the choice changes.
// Without a wording the entry is said as it reads.
using ChoiceWording = std::function<QString(const QString &entry)>;
void announceChoices(QComboBox *list, ChoiceWording wording = {});

// Has the control say the message: a drop-down list as its value, at once
// when it has the focus and as its value when it takes it; any other control
// as its description, after its name, role and value when it next takes the
// focus.
void announce(QWidget *control, const QString &message);

// Runs the change without telling assistive technology of anything it does. A text box that changes
// its text just before it takes the focus would have screen readers take the caret move for the
// focus change and keep silent about the box; such a box is read as it is when the focus arrives.
void changeUnannounced(const std::function<void()> &change);

// A text box that takes the focus selects its text or moves its caret before
// Qt tells screen readers of the focus; Orca then takes the caret move for
// the focus change and keeps silent about the box. This keeps what the box
// does as it takes the focus unannounced, so that the focus is told first,
// and the selection it drops as it loses the focus ("text unselected").
void announceFocusFirst(QWidget *textBox);

} // namespace ui
