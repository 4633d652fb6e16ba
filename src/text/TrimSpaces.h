#pragma once

#include <QString>

namespace text {

// Removes leading and trailing spaces (code 32) only, as the program trims
// all user text; tabs, line breaks and other white space stay.
QString trimSpaces(const QString &text);

} // namespace text
