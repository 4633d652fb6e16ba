#pragma once

class QAccessibleInterface;
class QComboBox;

namespace ui {

// The interface screen readers are given for a drop-down list that takes no
// typing: Qt's own, or where Qt cannot tell them the chosen entry, the
// program's (AccessibleDropDownList.cpp).
QAccessibleInterface *accessibleDropDownList(QComboBox *list);

} // namespace ui
