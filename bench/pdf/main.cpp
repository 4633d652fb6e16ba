// Times saving the result page as PDF, through the printing module (cairo)
// and through Qt's own writer, in the language of the environment's locale:
//
//   kelo_pdfbench [runs]    e.g. LANG=hi_IN.UTF-8 kelo_pdfbench 30
//
// Each run writes a new file; the first run of each, which loads the module,
// fonts and translations, is reported on its own.
#include "app/LocaleDecision.h"
#include "platform/Translators.h"
#include "report/PdfFile.h"
#include "report/PrintingModule.h"
#include "report/ResultPage.h"
#include "ui/look/ResultPageLook.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextStream>

#include <algorithm>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Timings
{
    double first = 0;
    std::vector<double> rest;
};

Timings timeSaves(QTextDocument &page, const QStringList &modulePaths, int runs)
{
    QTemporaryDir folder;
    Timings timings;
    for (int run = 0; run <= runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        if (report::writeResultPdf(page, folder.filePath(u"%1.pdf"_s.arg(run)),
                                   QPageSize(QPageSize::A4), modulePaths))
            qFatal("the page could not be saved");
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        if (run == 0)
            timings.first = ms;
        else
            timings.rest.push_back(ms);
    }
    std::sort(timings.rest.begin(), timings.rest.end());
    return timings;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 20;
    const ui::UserLocale decided = app::decideUserLocale(app::LocaleVariables::fromEnvironment());
    const platform::Translators translators(decided.translation);
    QLocale::setDefault(decided.locale);
    risktest::RiskTestRun run = risktest::startRun(3, 150);
    for (int question = 0; question < risktest::QuestionCount; ++question)
        run.answers[question] = risktest::questions()[question].options.last();
    const report::ResultRecord taken{u"Ann Lee"_s, run, risktest::calculateRisk(run),
                                     QDateTime::currentDateTime()};
    const auto page = report::resultPage(taken, decided.locale, ui::resultPageLook());

    QTextStream out(stdout);
    const auto report = [&](const QString &name, const Timings &timings) {
        out << name
            << u": first %1 ms, then median %2 ms (min %3, max %4) over %5 runs\n"_s
                   .arg(timings.first, 0, 'f', 1)
                   .arg(timings.rest[timings.rest.size() / 2], 0, 'f', 1)
                   .arg(timings.rest.front(), 0, 'f', 1)
                   .arg(timings.rest.back(), 0, 'f', 1)
                   .arg(timings.rest.size());
    };
    report(u"cairo (module)"_s,
           timeSaves(
               *page,
               report::printingModulePaths(QCoreApplication::applicationDirPath() + u"/../src"_s),
               runs));
    report(u"Qt's writer"_s, timeSaves(*page, {u"/nonexistent/module.so"_s}, runs));
    return 0;
}
