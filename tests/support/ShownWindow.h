#pragma once

#include <QApplication>
#include <QString>
#include <QTest>
#include <QWidget>

#include <utility>

// A window of the program made for one test on its stack, shown and active,
// with its controls found by their designed names.
template <typename Form> class ShownWindow
{
public:
    template <typename... Args>
    explicit ShownWindow(Args &&...args)
        : form(std::forward<Args>(args)...)
    {
        form.show();
        QApplication::setActiveWindow(&form);
        active = QTest::qWaitForWindowActive(&form);
    }

    // The control (or action) named `name`; ends the test run when there is
    // none, so that a renamed control fails loudly.
    template <typename T> T *find(const QString &name) const
    {
        T *child = form.template findChild<T *>(name);
        if (!child)
            qFatal("no control named %s", qPrintable(name));
        return child;
    }

    // The designed name of the control that has the keyboard focus.
    static QString focusName()
    {
        const QWidget *focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }

    Form form;
    bool active = false;
};
