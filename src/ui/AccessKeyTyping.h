#pragma once

#include <QObject>

// On Windows, Alt with a letter that is no access key of the window types
// nothing; Qt on Linux would type the letter into the focused text box. This
// filter, installed on a text box, drops such keys. Access keys still work:
// Qt matches them before the text box sees the key.
class AccessKeyTyping final : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Installs one filter on the text box, owned by it.
    static void suppressIn(QObject *textBox);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
