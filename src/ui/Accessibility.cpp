#include "Accessibility.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLineEdit>
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

// A single-line text box as Qt tells it, but with one run of text attributes
// over the whole text: Qt 6.4 gives an empty run at every offset, from which
// Orca reads the box one character short ("An" for "Ann").
class AccessibleTextBox final : public QAccessibleWidget,
                                public QAccessibleTextInterface,
                                public QAccessibleEditableTextInterface
{
public:
    explicit AccessibleTextBox(QLineEdit *box)
        : QAccessibleWidget(box, QAccessible::EditableText)
    {
        addControllingSignal(u"textChanged(const QString&)"_s);
        addControllingSignal(u"returnPressed()"_s);
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return box()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !box()->isReadOnly();
        state.readOnly = box()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && box()->hasSelectedText()) {
            *startOffset = box()->selectionStart();
            *endOffset = box()->selectionEnd();
        }
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override
    {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int) override { box()->deselect(); }
    void setSelection(int, int startOffset, int endOffset) override
    {
        box()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    QString text(int startOffset, int endOffset) const override
    {
        return box()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(box()->text().size()); }
    QRect characterRect(int offset) const override
    {
        // Where the character would stand with the text unscrolled.
        const QFontMetrics metrics(box()->font());
        const QString text = box()->text();
        const QRect contents = box()->contentsRect();
        const int x = contents.left() + box()->textMargins().left() +
                      metrics.horizontalAdvance(text.left(offset));
        const int width = offset < text.size() ? metrics.horizontalAdvance(text.at(offset)) : 0;
        const int y = contents.top() + (contents.height() - metrics.height()) / 2;
        return QRect(box()->mapToGlobal(QPoint(x, y)), QSize(width, metrics.height()));
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int, int endIndex) override { box()->setCursorPosition(endIndex); }
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    void deleteText(int startOffset, int endOffset) override
    {
        box()->setText(box()->text().remove(startOffset, endOffset - startOffset));
    }
    void insertText(int offset, const QString &text) override
    {
        box()->setText(box()->text().insert(offset, text));
    }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
    }

private:
    QLineEdit *box() const { return static_cast<QLineEdit *>(widget()); }
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
    if (className == "QLineEdit"_L1) {
        auto *box = static_cast<QLineEdit *>(object);
        if (box->echoMode() == QLineEdit::Normal)
            return new AccessibleTextBox(box);
    }
    if (className == "QStackedWidget"_L1)
        return new AccessibleWizardStack(static_cast<QStackedWidget *>(object));
    return nullptr;
}

void dropEvent(QAccessibleEvent *) {}

// Delivers a text box's focus events once more, unannounced, in place of the
// originals: what the box selects as the focus comes and drops as it goes.
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
        const bool focusEvent =
            event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut;
        if (!focusEvent || m_delivering)
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
