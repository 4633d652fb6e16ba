#pragma once

#include "ResultRecord.h"

#include <memory>

class QLocale;
class QPagedPaintDevice;
class QTextDocument;

// The result of one run as a printed page: who took the test and when, the
// details, each answer and the weight with the points they scored, the total
// and verdict as the result panel shows them, and how the score works. Every
// number comes from the run's own breakdown and the scoring tables. The same
// page is saved as PDF and printed.
namespace report {

// The page as rich text, not yet laid out for any paper. Its date, time and
// numbers are written as the locale writes them, which should be the locale of
// the language the page's texts are shown in.
std::unique_ptr<QTextDocument> resultPage(const ResultRecord &record, const QLocale &locale);

// Lays the page out for the paint area of the device (its paper less its
// margins) at the device's resolution, so that point sizes come out true, and
// prints it there on one page: a page that would run over (a very long name)
// is printed smaller instead. The device must be ready for a painter.
void printOnOnePage(QTextDocument &page, QPagedPaintDevice &device);

} // namespace report
