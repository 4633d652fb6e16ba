#pragma once

#include "ResultRecord.h"

#include <memory>

class QTextDocument;

// The result of one run as a printed page: who took the test and when, the
// details, each answer and the weight with the points they scored, the total
// and verdict as the result panel shows them, and how the score works. Every
// number comes from the run's own breakdown and the scoring tables. The same
// page is saved as PDF and printed, on one sheet (OnePage.h).
namespace report {

// The page as rich text, not yet laid out for any paper.
std::unique_ptr<QTextDocument> resultPage(const ResultRecord &record);

} // namespace report
