#include "AccessibleInterfaces.h"

#include "AccessibleDropDownList.h"
#include "AccessibleTextBox.h"
#include "ui/LinkLabel.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QStackedWidget>

using namespace Qt::Literals::StringLiterals;

namespace ui {

namespace {

// A window of the program's own that is no dialog (the main window, the exit
// screen) is a frame: Qt reports a plain widget as a filler, which screen
// readers take for a piece of some other window. Dialogs are dialogs to Qt.
class AccessibleWindow final : public QAccessibleWidget
{
public:
    explicit AccessibleWindow(QWidget *window)
        : QAccessibleWidget(window, QAccessible::Window)
    {}
};

// True for a window of a class of its own. A widget that is being destroyed
// is a plain QWidget by then, and gets no interface of the program's: Qt's
// own factory knows to give it none.
bool isOwnWindow(QObject *object)
{
    return object->isWidgetType() && object->metaObject() != &QWidget::staticMetaObject &&
           static_cast<QWidget *>(object)->windowType() == Qt::Window;
}

// The stack of panels of a wizard is no place of its own for the user: the
// panel in front is. Qt calls it a layered pane, which screen readers name
// every time the focus comes back into the window; as a plain grouping
// without a name they pass over it.
class AccessibleWizardStack final : public QAccessibleWidget
{
public:
    explicit AccessibleWizardStack(QStackedWidget *stack)
        : QAccessibleWidget(stack, QAccessible::Grouping)
    {}
};

// What a screen reader sees of a link label: its text, the link role and a
// press action that does what a click does.
class AccessibleLinkLabel final : public QAccessibleWidget
{
public:
    explicit AccessibleLinkLabel(LinkLabel *label)
        : QAccessibleWidget(label, QAccessible::Link)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction())
            Q_EMIT label()->clicked();
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    LinkLabel *label() const { return static_cast<LinkLabel *>(widget()); }
};

// Qt asks with the object's class name first, then with each of its base
// classes' names in turn, until a factory gives an interface.
QAccessibleInterface *programInterfaces(const QString &className, QObject *object)
{
    if (className == QLatin1StringView(LinkLabel::staticMetaObject.className()))
        return new AccessibleLinkLabel(static_cast<LinkLabel *>(object));
    if (className == "QStackedWidget"_L1)
        return new AccessibleWizardStack(static_cast<QStackedWidget *>(object));
    if (className == "QWidget"_L1 && isOwnWindow(object))
        return new AccessibleWindow(static_cast<QWidget *>(object));
    if (className == "QComboBox"_L1) {
        auto *list = static_cast<QComboBox *>(object);
        if (!list->isEditable())
            return accessibleDropDownList(list);
    }
    if (className == "QLineEdit"_L1) {
        auto *box = static_cast<QLineEdit *>(object);
        if (box->echoMode() == QLineEdit::Normal)
            return accessibleTextBox(box);
    }
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(programInterfaces);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace ui
