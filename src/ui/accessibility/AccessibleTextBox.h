#pragma once

class QAccessibleInterface;
class QLineEdit;

namespace ui {

// The interface screen readers are given for a single-line text box that
// shows what is typed: Qt's own, or where Qt misreports its text, the
// program's (AccessibleTextBox.cpp).
QAccessibleInterface *accessibleTextBox(QLineEdit *box);

} // namespace ui
