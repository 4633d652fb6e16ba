#include "ResultPageLook.h"

#include "Colours.h"
#include "Fonts.h"

namespace ui {

report::PageLook resultPageLook()
{
    // The page sets its own point size.
    return {verdana(10), QColor(colour::DarkGreen)};
}

} // namespace ui
