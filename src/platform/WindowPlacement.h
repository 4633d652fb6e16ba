#pragma once

class QWidget;

namespace platform {

// Places a top-level window in the middle of the available area of the screen
// it is on (the primary screen before it is first shown).
void centreOnScreen(QWidget *window);

} // namespace platform
