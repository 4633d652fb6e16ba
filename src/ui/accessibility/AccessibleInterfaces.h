#pragma once

// What assistive technology is told about the program's windows and controls,
// beyond what Qt tells it by itself. The drawn windows stay as they are: only
// roles, names, values and the moments at which screen readers hear of a
// change differ from Qt's own.
//
// The program's accessible interfaces, all made by one factory:
// - a window of its own (the main window, the exit screen) is a frame; Qt
//   would report it as a filler, which screen readers do not take for a
//   window. Dialogs are already reported as dialogs by Qt.
// - a wizard's stack of panels is a plain grouping (AccessibleInterfaces.cpp);
// - a link label is a link with a press action (AccessibleInterfaces.cpp);
// - with Qt 6.4, a drop-down list and a text box have interfaces of their own
//   (AccessibleDropDownList.cpp, AccessibleTextBox.cpp).
namespace ui {

// Registers the program's accessible interfaces. Qt makes a control's or a
// window's interface once, when it is first asked for it, so the windows
// that are no dialogs call this before they build anything, and the control
// builders before they make a control; the first call counts.
void installAccessibleInterfaces();

} // namespace ui
