#pragma once

#include "report/ResultPage.h"

// The printed result in the windows' look: Verdana (or the family standing
// in for it) and headings in the green of the main window.
namespace ui {

report::PageLook resultPageLook();

} // namespace ui
