#pragma once

#include "ResultRecord.h"

#include <QColor>
#include <QFont>

#include <memory>

class QLocale;
class QTextDocument;

// The result of one run as a printed page: who took the test and when, the
// details, each answer and the weight with the points they scored, the total
// and verdict as the result panel shows them, and how the score works. Every
// number comes from the run's own breakdown and the scoring tables. The same
// page is saved as PDF and printed, on one sheet (OnePage.h).
namespace report {

// How the page looks: the typeface of its text and the colour of its
// headings, as the windows choose them.
struct PageLook
{
    QFont font;
    QColor headingColour;
};

// The page as rich text, not yet laid out for any paper. Its date, time and
// numbers are written as the locale writes them, which should be the locale of
// the language the page's texts are shown in.
std::unique_ptr<QTextDocument> resultPage(const ResultRecord &record, const QLocale &locale,
                                          const PageLook &look);

} // namespace report
