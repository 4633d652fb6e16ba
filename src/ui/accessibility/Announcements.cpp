#include "Announcements.h"

#include <QAccessible>
#include <QComboBox>

namespace ui {

namespace {

// A message a drop-down list says in place of its chosen entry.
constexpr char SpokenChoice[] = "spokenChoice";

// The words for an entry, as its open list reads them to screen readers too.
QString entryWords(const QComboBox *list, int row)
{
    const QString words = list->itemData(row, Qt::AccessibleTextRole).toString();
    return words.isEmpty() ? list->itemText(row) : words;
}

} // namespace

void announceChoices(QComboBox *list, EntryWording wording)
{
    if (wording) {
        for (int row = 0; row < list->count(); ++row)
            list->setItemData(row, wording(row), Qt::AccessibleTextRole);
    }
    auto announceChoice = [list] {
        if (!list->currentText().isEmpty())
            announce(list, entryWords(list, list->currentIndex()));
    };
    QObject::connect(list, &QComboBox::currentIndexChanged, list, announceChoice);
    announceChoice();
}

void announce(QWidget *control, const QString &message)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    // Works around Qt 6.4 handing a changed description to screen readers as
    // the object's path rather than as text, which Orca cannot speak. Where
    // the drop-down list's interface is the program's, the list says the
    // message as its new text. Only the insertion is told: Orca says
    // "selection deleted" for a selected text that goes.
    auto *list = qobject_cast<QComboBox *>(control);
    if (list && !list->isEditable()) {
        list->setProperty(SpokenChoice, message);
        QAccessibleTextInsertEvent event(list, 0, message);
        QAccessible::updateAccessibility(&event);
        return;
    }
#endif
    control->setAccessibleDescription(message);
}

QString spokenChoice(const QComboBox *list)
{
    const QVariant spoken = list->property(SpokenChoice);
    return spoken.isValid() ? spoken.toString() : entryWords(list, list->currentIndex());
}

} // namespace ui
