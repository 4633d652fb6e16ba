#pragma once

class QPagedPaintDevice;
class QTextDocument;

namespace printing {

// Draws `page` onto the device's current page, within its printable area:
// laid out to that area's width with the device's own fonts and resolution,
// and scaled down as a whole where it would run longer, so that it never
// spills onto a second sheet. The document's layout is put back afterwards.
// False when the device does not start or does not finish.
bool drawOnOnePage(QPagedPaintDevice &device, QTextDocument &page);

} // namespace printing
