#include "AccessibleTextBox.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>

using namespace Qt::Literals::StringLiterals;

namespace ui {

#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)

namespace {

// Works around Qt 6.4's text attributes of a line edit: an empty run at every
// offset, from which Orca reads the box one character short ("An" for "Ann").
// Seen with Qt 6.4; check the next Qt with the screen reader test before the
// fence moves.
//
// A single-line text box as Qt tells it, but with one run of text attributes
// over the whole text.
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

} // namespace

QAccessibleInterface *accessibleTextBox(QLineEdit *box)
{
    return new AccessibleTextBox(box);
}

#else

QAccessibleInterface *accessibleTextBox(QLineEdit *)
{
    return nullptr;
}

#endif

} // namespace ui
