#pragma once

#include <QPushButton>

// A push button whose access key presses it at once, as on Windows. Qt's own
// buttons animate the press and click 100 ms later, so keys typed in that
// moment, say Down in the answer list, would act before the click.
class CommandButton final : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent *event) override;
};
