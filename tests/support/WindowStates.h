#pragma once

#include "ui/UserLocale.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

// Every state of the program's windows that a user can reach and that the
// window tests look at, each made afresh and shown.
namespace support {

using Window = std::unique_ptr<QWidget>;

// The control of `window` named `name`; ends the test run when there is none.
template <typename T> T *child(QWidget *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}

struct WindowState
{
    const char *tag;
    std::function<Window()> reach;
};

// The locale of the test's environment, decided as the program decides it.
const ui::UserLocale &environmentLocale();

// Both offers, each question, each verdict, the four support messages, the
// About window and the score window with and without a result.
const std::vector<WindowState> &windowStates();

// The main window after a run started with `weight` pounds at the height row
// and answered with the given list positions, one per question shown so far.
Window mainWindowAfter(const QString &weight, const std::vector<int> &answers, int heightRow = 0);

} // namespace support
