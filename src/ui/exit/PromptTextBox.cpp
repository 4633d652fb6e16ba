#include "PromptTextBox.h"

#include "platform/MessageBox.h"
#include "text/TrimSpaces.h"
#include "ui/accessibility/FocusHandling.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <utility>

using namespace Qt::Literals::StringLiterals;

PromptTextBox::PromptTextBox(QLineEdit *box, QString prompt, Spaces spaces)
    : QObject(box)
    , m_line(box)
    , m_prompt(std::move(prompt))
    , m_spaces(spaces)
{
    box->installEventFilter(this);
}

PromptTextBox::PromptTextBox(QPlainTextEdit *box, QString prompt)
    : QObject(box)
    , m_multiLine(box)
    , m_prompt(std::move(prompt))
{
    box->installEventFilter(this);
}

QString PromptTextBox::text() const
{
    if (m_line)
        return m_line->text();
    QString text = m_multiLine->toPlainText();
    text.replace(u'\n', u"\r\n"_s);
    return text;
}

void PromptTextBox::setText(const QString &text)
{
    if (m_line) {
        m_line->setText(text);
    } else {
        QString plain = text;
        plain.replace(u"\r\n"_s, u"\n"_s);
        m_multiLine->setPlainText(plain);
    }
}

QWidget *PromptTextBox::box() const
{
    return m_line ? static_cast<QWidget *>(m_line) : m_multiLine;
}

bool PromptTextBox::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        // Switching to another window, a message box included, moves no
        // focus inside this one, as on Windows.
        if (static_cast<QFocusEvent *>(event)->reason() != Qt::ActiveWindowFocusReason) {
            if (event->type() == QEvent::FocusIn)
                GotFocus();
            else
                LostFocus();
        }
        break;
    case QEvent::KeyPress:
        if (KeyPress(static_cast<QKeyEvent *>(event)->text()))
            return true;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

// The prompt comes and goes unannounced: told to screen readers just before
// the focus moves, the change would have them keep silent about the box that
// takes it. The prompt is the box's name, so they say it all the same.
void PromptTextBox::GotFocus()
{
    if (text::trimSpaces(text()) == m_prompt)
        ui::changeUnannounced([this] { setText(QString()); });
}

void PromptTextBox::LostFocus()
{
    if (text::trimSpaces(text()).isEmpty())
        ui::changeUnannounced([this] { setText(m_prompt); });
}

bool PromptTextBox::KeyPress(const QString &typed)
{
    if (m_spaces != Spaces::Refused || typed != u" "_s)
        return false;
    platform::showMessage(box()->window(), tr("Email Address Cannot Contain Space"),
                          platform::MessageIcon::Critical);
    box()->setFocus();
    return true;
}
