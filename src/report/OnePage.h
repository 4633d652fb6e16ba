#pragma once

#include <QMarginsF>

class QPagedPaintDevice;
class QPaintDevice;
class QTextDocument;

// The result page on one sheet of paper, the same whether it is saved as PDF
// or printed: laid out to the width of the paper's printable area with the
// device's own resolution, so that point sizes come out true, and scaled down
// as a whole where it would run longer, so that it never spills onto a second
// sheet. Qt GUI only: the PDF writer of the program and the printing module,
// which links Qt PrintSupport, both build it in.
namespace report {

// Room for a printer's unprintable edge and a binder's holes, in millimetres.
inline constexpr QMarginsF PageMargins(20, 18, 20, 18);

// Gives the device's paper the page's margins.
void setPageMargins(QPagedPaintDevice &device);

// Draws `page` onto the device's current page, within its printable area.
// The document's layout is put back afterwards. False when the device does
// not start or does not finish.
bool printOnOnePage(QTextDocument &page, QPaintDevice &device);

} // namespace report
