#include "frmScore.h"

#include "AppConstants.h"
#include "ScoreSheet.h"
#include "SheetTable.h"
#include "platform/WindowPlacement.h"
#include "risktest/Scoring.h"
#include "text/LocaleNumbers.h"
#include "ui/Controls.h"
#include "ui/look/Colours.h"
#include "ui/look/Twips.h"
#include "ui/look/WindowFonts.h"

#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>
#include <numeric>

using namespace Qt::Literals::StringLiterals;
using ui::twipsRect;
namespace colour = ui::colour;
using ui::boldFont;
using ui::frameFont;
using ui::windowFont;

namespace {

ui::FrameRow frameRow(const QString &name, const QString &caption, QRect geometry)
{
    return {.name = name,
            .caption = caption,
            .geometry = geometry,
            .font = frameFont(),
            .textColour = colour::White,
            .background = colour::Navy};
}

} // namespace

frmScore::frmScore(const std::optional<report::ResultRecord> &shown, risktest::UnitSystem units,
                   QWidget *parent)
    : QDialog(parent)
    , unitSystem(shown ? shown->run.units : units)
{
    createWindow();
    createAnswersFrame(shown);
    createWeightFrame(shown);
    createBandsFrame(shown);
    createScoreLines(shown);
    // The person's points are written out only while a result shows; empty,
    // they would be nameless labels to a screen reader.
    for (QLabel *line : {yourAnswers, yourWeight, yourScore, markerLegend})
        line->setVisible(shown.has_value());
    // The OK button first, as the window opens; the tables follow in
    // reading order.
    setTabOrder(okButton, answersTable);
    setTabOrder(answersTable, weightTable);
    setTabOrder(weightTable, bandsTable);
    okButton->setFocus();
    if (parent)
        platform::centreOver(this, parent->window());
    else
        platform::centreOnScreen(this);
    platform::refuseMaximise(this);
}

void frmScore::createWindow()
{
    setObjectName(u"frmScore"_s);
    setWindowTitle(tr("How Is My Score Calculated?"));
    setWindowIcon(QIcon(app::ApplicationIconResource.toString()));
    // A title bar with the close box only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(ui::twipsSize(10560, 8700));
    setFont(windowFont());
    ui::setBackgroundColour(this, colour::DarkGreen);

    introduction = ui::createLabel(
        this, {.name = u"lblIntro"_s,
               .text = tr("Your score adds up the points of your answers and of your weight. "
                          "The higher the score, the higher the risk."),
               .geometry = twipsRect(120, 90, 10320, 390),
               .font = boldFont(),
               .textColour = colour::PaleGreen});
    // Above the frames, which start 540 twips down.
    ui::growLabelToText(introduction, {.top = 0, .bottom = ui::twipsToPixels(540) - 1});
}

void frmScore::createAnswersFrame(const std::optional<report::ResultRecord> &shown)
{
    answersFrame = ui::createFrame(this, frameRow(u"fraAnswers"_s, tr("Points for Each Answer"),
                                                  twipsRect(120, 540, 6120, 6030)));
    answersTable = ui::score::createSheetTable(answersFrame,
                                               {.name = u"tblAnswers"_s,
                                                .accessibleName = answersFrame->title(),
                                                .headings = {tr("Answer"), tr("Points")},
                                                .geometry = twipsRect(120, 300, 5880, 5280),
                                                .font = windowFont(),
                                                .sizedColumn = 1,
                                                .yoursSpoken = tr("%1, your answer")},
                                               ui::score::answerRows(shown));
    const int answersTotal = shown ? std::accumulate(shown->result.points.answers.begin(),
                                                     shown->result.points.answers.end(), 0)
                                   : 0;
    yourAnswers = ui::createLabel(
        answersFrame, {.name = u"lblYourAnswers"_s,
                       .text = shown ? tr("Your answers: %1 points", nullptr, answersTotal)
                                           .arg(text::wholeNumber(answersTotal))
                                     : QString(),
                       .geometry = twipsRect(120, 5700, 5880, 195),
                       .font = boldFont(),
                       .textColour = colour::BrightGreen});
    ui::growLabelToText(yourAnswers, {.top = answersTable->geometry().bottom() + 1,
                                      .bottom = answersFrame->contentsRect().bottom()});
}

void frmScore::createWeightFrame(const std::optional<report::ResultRecord> &shown)
{
    weightFrame = ui::createFrame(
        this, frameRow(u"fraWeight"_s, tr("Points for Weight"), twipsRect(6360, 540, 4080, 6030)));
    const QRect contents = weightFrame->contentsRect();
    const QRect yourWeightGeometry = twipsRect(120, 5700, 3840, 195);
    weightRule = ui::createLabel(
        weightFrame,
        {.name = u"lblWeightRule"_s,
         .text = tr("At or above this weight: %1 points", nullptr, risktest::WeightScore)
                     .arg(text::wholeNumber(risktest::WeightScore)),
         .geometry = twipsRect(120, 300, 3840, 195),
         .font = windowFont(),
         .textColour = colour::White});
    // The rule sits at the top of the frame with the table just below: a rule
    // grown for a taller script takes the table down with it, and the table
    // may grow down to leave the line below its designed height.
    ui::growLabelToText(weightRule, {.top = contents.top(), .bottom = contents.bottom()});
    QRect tableGeometry = twipsRect(120, 525, 3840, 5160);
    tableGeometry.moveTop(std::max(tableGeometry.top(), weightRule->geometry().bottom() + 1));
    weightTable = ui::score::createSheetTable(
        weightFrame,
        {.name = u"tblWeight"_s,
         .accessibleName = weightFrame->title(),
         .headings = {tr("Height"),
                      unitSystem == risktest::UnitSystem::Metric ? tr("Kilograms") : tr("Pounds")},
         .geometry = tableGeometry,
         .font = windowFont(),
         .labelAlignment = Qt::AlignHCenter,
         .yoursSpoken = tr("%1, your height"),
         .roomBottom = contents.bottom() - yourWeightGeometry.height()},
        ui::score::weightRows(shown, unitSystem));
    yourWeight = ui::createLabel(
        weightFrame,
        {.name = u"lblYourWeight"_s,
         .text = shown ? tr("Your weight: %1, %2 points", nullptr, shown->result.points.weight)
                             .arg(report::weightAsEntered(shown->run),
                                  text::wholeNumber(shown->result.points.weight))
                       : QString(),
         .geometry = yourWeightGeometry,
         .font = boldFont(),
         .textColour = colour::BrightGreen});
    ui::growLabelToText(yourWeight,
                        {.top = weightTable->geometry().bottom() + 1, .bottom = contents.bottom()});
}

void frmScore::createBandsFrame(const std::optional<report::ResultRecord> &shown)
{
    bandsFrame = ui::createFrame(
        this, frameRow(u"fraBands"_s, tr("Risk by Score"), twipsRect(120, 6660, 10320, 1500)));
    bandsTable = ui::score::createSheetTable(bandsFrame,
                                             {.name = u"tblBands"_s,
                                              .accessibleName = bandsFrame->title(),
                                              .headings = {tr("Score"), tr("Risk")},
                                              .geometry = twipsRect(120, 300, 10080, 1080),
                                              .font = windowFont(),
                                              .labelAlignment = Qt::AlignHCenter,
                                              .valueAlignment = Qt::AlignLeft,
                                              .sizedColumn = 0,
                                              .yoursSpoken = tr("%1, your score"),
                                              .roomBottom = bandsFrame->contentsRect().bottom()},
                                             ui::score::bandRows(shown));
}

void frmScore::createScoreLines(const std::optional<report::ResultRecord> &shown)
{
    yourScore = ui::createLabel(this, {.name = u"lblYourScore"_s,
                                       .text = shown ? shown->result.scoreLine : QString(),
                                       .geometry = twipsRect(120, 8295, 3000, 240),
                                       .font = ui::largeBoldFont(),
                                       .textColour = colour::BrightGreen});
    markerLegend = ui::createLabel(
        this,
        {.name = u"lblMarker"_s,
         .text = shown
                     ? tr("%1 marks your answers, height and score.").arg(ui::score::markerIn(this))
                     : QString(),
         .geometry = twipsRect(3240, 8325, 5820, 195),
         .font = windowFont(),
         .textColour = colour::White,
         .alignment = Qt::AlignRight});
    // Below the bands, the window's bottom edge.
    const ui::VerticalRoom belowBands{.top = bandsFrame->geometry().bottom() + 1,
                                      .bottom = height() - 1};
    ui::growLabelToText(yourScore, belowBands);
    ui::growLabelToText(markerLegend, belowBands);

    okButton = ui::createButton(this, {.name = u"cmdOK"_s,
                                       .caption = tr("OK"),
                                       .geometry = twipsRect(9180, 8250, 1260, 345),
                                       .font = windowFont()});
    // Enter presses it as the default button, from the tables too; Esc and
    // the close box reject the dialog, which closes it the same way.
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &frmScore::cmdOK_Click);
}

void frmScore::cmdOK_Click()
{
    accept();
}
