#pragma once

#include "report/ResultRecord.h"
#include "risktest/Units.h"

#include <QDialog>

#include <optional>

class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;

// How a score comes about, from the scoring tables themselves: the points of
// each answer, the weight chart and the three risk bands, each a read-only
// table a screen reader can walk cell by cell. While the main window shows a
// result, the person's answers, height and band are marked in bold on pale
// green with a pointer before them (and said to be theirs to screen
// readers), and their weight's points and score are written out. Modal, owned
// by the main window and centred over it; OK, Enter, Esc and the close box
// close it. Built afresh for every opening, it keeps no state.
class frmScore final : public QDialog
{
    Q_OBJECT

public:
    // Heights and weights show in the units of the result shown, else in
    // the units given (those of the main window).
    frmScore(const std::optional<report::ResultRecord> &shown, risktest::UnitSystem units,
             QWidget *parent = nullptr);

private Q_SLOTS:
    void cmdOK_Click();

private:
    void createWindow();
    void createAnswersFrame(const std::optional<report::ResultRecord> &shown);
    void createWeightFrame(const std::optional<report::ResultRecord> &shown);
    void createBandsFrame(const std::optional<report::ResultRecord> &shown);
    void createScoreLines(const std::optional<report::ResultRecord> &shown);

    const risktest::UnitSystem unitSystem;

    QLabel *introduction = nullptr;
    QGroupBox *answersFrame = nullptr;
    QTableWidget *answersTable = nullptr;
    QLabel *yourAnswers = nullptr;
    QGroupBox *weightFrame = nullptr;
    QLabel *weightRule = nullptr;
    QTableWidget *weightTable = nullptr;
    QLabel *yourWeight = nullptr;
    QGroupBox *bandsFrame = nullptr;
    QTableWidget *bandsTable = nullptr;
    QLabel *yourScore = nullptr;
    QLabel *markerLegend = nullptr;
    QPushButton *okButton = nullptr;
};
