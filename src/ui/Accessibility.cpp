#include "Accessibility.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QStackedWidget>

using namespace Qt::Literals::StringLiterals;

namespace ui {

namespace {

// What a drop-down list says of its choice: the chosen entry, in words where
// a wording is set, or an announcement made on it since.
constexpr char SpokenChoice[] = "spokenChoice";

QString spokenChoice(const QComboBox *list)
{
    const QVariant spoken = list->property(SpokenChoice);
    return spoken.isValid() ? spoken.toString() : list->currentText();
}

// A drop-down list as screen readers can read it. Its name stays the chosen
// entry, as Qt has it on Linux; its text is what it says of its choice, all
// of it selected, as the highlighted entry of a focused list. Orca reads that
// text as the list's value, and speaks a new selected text as it comes in;
// it looks for a selection among the children first, so the list it opens is
// not one of them.
class AccessibleDropDownList final : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit AccessibleDropDownList(QComboBox *list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        if ((t == QAccessible::Name && widget()->accessibleName().isEmpty()) ||
            t == QAccessible::Value)
            return list()->currentText();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == showMenuAction() || actionName == pressAction())
            list()->showPopup();
        else
            QAccessibleWidget::doAction(actionName);
    }

    // The text interface: read only, no caret, the whole text selected.
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = selectionIndex == 0 ? characterCount() : 0;
    }
    int selectionCount() const override { return characterCount() > 0 ? 1 : 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override
    {
        return spokenChoice(list()).mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(spokenChoice(list()).size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        return {};
    }

private:
    QComboBox *list() const { return static_cast<QComboBox *>(widget()); }
};

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

QAccessibleInterface *programInterfaces(const QString &className, QObject *object)
{
    if (className == "QComboBox"_L1) {
        auto *list = static_cast<QComboBox *>(object);
        if (!list->isEditable())
            return new AccessibleDropDownList(list);
    }
    if (className == "QStackedWidget"_L1)
        return new AccessibleWizardStack(static_cast<QStackedWidget *>(object));
    return nullptr;
}

void dropEvent(QAccessibleEvent *) {}

// Delivers a text box's focus-in event once more, unannounced, in place of
// the original.
class FocusFirst final : public QObject
{
public:
    explicit FocusFirst(QWidget *textBox)
        : QObject(textBox)
    {
        textBox->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::FocusIn || m_delivering)
            return false;
        m_delivering = true;
        changeUnannounced([&] { QCoreApplication::sendEvent(watched, event); });
        m_delivering = false;
        return true;
    }

private:
    bool m_delivering = false;
};

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(programInterfaces);
        return true;
    }();
    Q_UNUSED(installed);
}

void announceChoices(QComboBox *list, ChoiceWording wording)
{
    auto announceChoice = [list, wording = std::move(wording)] {
        const QString entry = list->currentText();
        if (!entry.isEmpty())
            announce(list, wording ? wording(entry) : entry);
    };
    QObject::connect(list, &QComboBox::currentIndexChanged, list, announceChoice);
    announceChoice();
}

void announce(QWidget *control, const QString &message)
{
    auto *list = qobject_cast<QComboBox *>(control);
    if (!list || list->isEditable()) {
        control->setAccessibleDescription(message);
        return;
    }
    // Qt 6.4 hands a changed description to screen readers as an object, not
    // as text, and Orca cannot speak it; a list says it as its new text.
    // Only the insertion is told: Orca says "selection deleted" for a
    // selected text that goes.
    list->setProperty(SpokenChoice, message);
    QAccessibleTextInsertEvent event(list, 0, message);
    QAccessible::updateAccessibility(&event);
}

void announceFocusFirst(QWidget *textBox)
{
    new FocusFirst(textBox);
}

void changeUnannounced(const std::function<void()> &change)
{
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(dropEvent);
    change();
    QAccessible::installUpdateHandler(previous);
}

} // namespace ui
