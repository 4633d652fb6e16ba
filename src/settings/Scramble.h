#pragma once

#include <QString>

// The light disguise the stored settings wear, so that a casual look into the
// settings file shows no readable names or dates. It is no protection against
// anyone who wants to read or change them.
namespace settings {

inline constexpr int ScrambleOffset = 3;

// Shifts every character's single-byte code up by ScrambleOffset. Characters
// outside single-byte codes, and those the shift would carry past code 255,
// are left out; the rest keep their order.
QString ScrambleText(const QString &text);

// The reverse shift, down by ScrambleOffset; characters that would fall below
// code 0 or lie outside single-byte codes are left out.
QString UnscrambleText(const QString &text);

} // namespace settings
