#pragma once

#include <QString>

#include <functional>

class QComboBox;
class QWidget;

// What the program says to screen readers beyond its controls' names and
// values, by the control that has, or is about to take, the focus. A control
// says a message as its description, which screen readers speak after its
// name, role and value as it takes the focus. With Qt 6.4 a drop-down list
// says it as its value instead, at once when it has the focus
// (Announcements.cpp tells why).
namespace ui {

// The words for the entry in the given row of a list.
using EntryWording = std::function<QString(int row)>;

// Has the list say its chosen entry whenever the choice changes, and its open
// list read its entries, in words where a wording is given ("5 feet 8 inches"
// for "5'8''"); without one, each entry is said as it reads. The wording is
// taken for the entries the list has.
void announceChoices(QComboBox *list, EntryWording wording = {});

// Has the control say the message.
void announce(QWidget *control, const QString &message);

// What a drop-down list says of its choice: the chosen entry in words, or a
// message announced on it since.
QString spokenChoice(const QComboBox *list);

} // namespace ui
