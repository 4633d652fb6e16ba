#pragma once

#include <QString>

// The exit screen's texts that name the forum site, and the draw of the
// support message it shows.
namespace ui::exit {

inline constexpr int SupportMessageCount = 4;

// Support message 0 to 3.
QString supportMessage(int index);

// The integer part of r x 4 for a draw r in [0, 1): 0 to 3, each a quarter
// of the time.
int supportMessageIndex(float r);

// The caption of the check box that opens the forum's home page.
QString visitForumCaption();

// The paragraph that promotes the maker's other software.
QString promotionText();

} // namespace ui::exit
