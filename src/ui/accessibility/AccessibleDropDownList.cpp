#include "AccessibleDropDownList.h"

#include "Announcements.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace ui {

#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)

namespace {

// Works around Qt before 6.5, which offers screen readers no selection on a
// drop-down list (QAccessibleSelectionInterface came with 6.5): Orca looks
// for one to read the list's value, and with Qt 6.4 says nothing of the
// chosen entry.
//
// A drop-down list as screen readers can read it. Its name stays the chosen
// entry, as Qt has it on Linux; its text is what it says of its choice, all
// of it selected, as the highlighted entry of a focused list. Orca reads that
// text as the list's value, and speaks a new selected text as it comes in.
// Orca also looks for a selection among the children first, so the list it
// opens is its child only while it is open: there Orca names it, with the
// number of its entries, and reads each entry it comes to.
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

    int childCount() const override { return openList() ? 1 : 0; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 && openList() ? QAccessible::queryAccessibleInterface(openList())
                                        : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && openList() && child->object() == openList() ? 0 : -1;
    }

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

    // The list of entries, while it is open. Qt makes the open list a child
    // of the drop-down list itself, passing over the window that holds it.
    QAbstractItemView *openList() const
    {
        QAbstractItemView *entries = list()->view();
        return entries && entries->isVisible() ? entries : nullptr;
    }
};

} // namespace

QAccessibleInterface *accessibleDropDownList(QComboBox *list)
{
    return new AccessibleDropDownList(list);
}

#else

QAccessibleInterface *accessibleDropDownList(QComboBox *)
{
    return nullptr;
}

#endif

} // namespace ui
