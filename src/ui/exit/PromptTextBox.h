#pragma once

#include <QObject>
#include <QString>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

// Gives a text box a prompt: the box shows the prompt as its own text while
// it holds nothing else. Taking the focus clears a box whose text, trimmed of
// spaces, is the prompt; leaving it blank puts the prompt back. Nothing
// records whether the prompt is showing: every decision compares the text.
// An e-mail box also refuses a typed space with a message.
class PromptTextBox final : public QObject
{
    Q_OBJECT

public:
    enum class Spaces { Allowed, Refused };

    // Owned by the box it serves.
    PromptTextBox(QLineEdit *box, QString prompt, Spaces spaces = Spaces::Allowed);
    PromptTextBox(QPlainTextEdit *box, QString prompt);

    // The text as a Windows text box holds it: line breaks as CR LF.
    QString text() const;
    void setText(const QString &text);

    QString prompt() const { return m_prompt; }
    QWidget *box() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void GotFocus();
    void LostFocus();
    // True when the key is refused and must not reach the box.
    bool KeyPress(const QString &typed);

    QLineEdit *m_line = nullptr;
    QPlainTextEdit *m_multiLine = nullptr;
    QString m_prompt;
    Spaces m_spaces = Spaces::Allowed;
};
