#pragma once

#include "report/ResultRecord.h"
#include "risktest/Scoring.h"
#include "risktest/TestRun.h"
#include "ui/UserLocale.h"

#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class LinkLabel;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QStackedWidget;
class QTextDocument;
class QVBoxLayout;

// The main window leads the user through the risk test in three panels that
// lie on top of each other: details (name, height, weight), the five questions
// one at a time, and the result. Changing step brings one panel to the front;
// the covered panels take no focus and answer no access key. The questions and
// result panels are built the first time they are needed. Scoring lives in
// risktest, and so does the run (risktest::TestRun); this window checks the
// details, starts the run, hands it each answer and shows where it stands.
// Above the panels sits the forum invitation, below them the two offer
// labels, of which only the one in front can be seen; the menu bar and these
// link labels open the maker's pages, the score window or the About window
// (frmMain_Menu.cpp). Heights and weights are given in the units, and numbers,
// dates and the PDF's paper in the locale, that the window is made with
// (ui/UserLocale.h); by default the program's own US English.
class frmMain final : public QWidget
{
    Q_OBJECT

public:
    explicit frmMain(const ui::UserLocale &locale = {}, QWidget *parent = nullptr);

    enum class Offer { CoBrand, FullBrand };

    // Brings one of the two offer labels in front of the other.
    void BringOfferToFront(Offer offer);

    // The risk test run this window leads the user through.
    const risktest::TestRun &run() const { return testRun; }

    // The result in front, if one is.
    const std::optional<report::ResultRecord> &result() const { return shownResult; }

Q_SIGNALS:
    // The window is closing (close box, system menu or File, Exit);
    // the program's shutdown follows.
    void unloading();

protected:
    void closeEvent(QCloseEvent *event) override;

private Q_SLOTS:
    void cmdNext_Click();
    void cmdNextQuestion_Click();
    void cmdMain_Click();

    void mnuPrint_Click();
    void mnuSavePdf_Click();
    void mnuExit_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuScore_Click();
    void mnuAbout_Click();
    void mnuDonate_Click();
    void mnuMakeMoney_Click();
    void forumLink_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();

private:
    enum Step { DetailsStep = 0, QuestionsStep = 1, ResultStep = 2 };

    void createWindow();
    void createMenuBar();
    void createForumInvitation(QWidget *client);
    QGroupBox *createPanel(Step step, const QString &caption);
    void createDetailsPanel();
    void createQuestionsPanel();
    void createResultPanel();
    void createOfferLabels(QWidget *client);
    void connectMenuAndLinks();
    void openFirstMenu();
    std::unique_ptr<QTextDocument> resultPageShown() const;

    void Form_Load();
    void Form_Unload();
    // The weight of the details, or nothing once the first problem has been
    // shown and its box has the focus.
    std::optional<qint16> ValidateDetails();
    void ShowQuestion(int index);
    void ShowResult(const risktest::RiskResult &result);
    void BringToFront(Step step);
    // Print and Save as PDF act on the result in front; they are off otherwise.
    void enableResultActions();
    // Builds the questions or the result panel the first time it is needed.
    void buildPanelOnce(Step step);

    // What screen readers say beyond the controls' names (frmMain_Accessibility.cpp).
    void announceHeights();
    void announceAnswers();
    void announceQuestion();
    void announceOnNextQuestion();
    QString questionSpoken() const;
    void announceResult();

    QVBoxLayout *windowLayout = nullptr;

    QMenuBar *menuBar = nullptr;
    QMenu *mnuFile = nullptr;
    QAction *mnuPrint = nullptr;
    QAction *mnuSavePdf = nullptr;
    QAction *mnuExit = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuOnline = nullptr;
    QAction *mnuVisit = nullptr;
    QAction *mnuUpdate = nullptr;
    QAction *mnuScore = nullptr;
    QAction *mnuAbout = nullptr;
    QAction *mnuDonate = nullptr;
    QAction *mnuMakeMoney = nullptr;

    LinkLabel *forumLink = nullptr;
    QStackedWidget *panelStack = nullptr;
    std::array<QGroupBox *, 3> stepPanels{};

    QLabel *diseaseIntro = nullptr;
    QLabel *calculatorIntro = nullptr;
    QLabel *nameLabel = nullptr;
    QLineEdit *txtName = nullptr;
    QLabel *heightLabel = nullptr;
    QComboBox *cboHeight = nullptr;
    QLabel *heightUnitLabel = nullptr;
    QLabel *weightLabel = nullptr;
    QLineEdit *txtWeight = nullptr;
    QLabel *weightUnitLabel = nullptr;
    QPushButton *cmdNext = nullptr;

    QLabel *lblQuestionNo = nullptr;
    QLabel *lblQuestion = nullptr;
    QComboBox *cboAnswer_Option = nullptr;
    QPushButton *cmdNextQuestion = nullptr;

    QLabel *physicianNote = nullptr;
    QLabel *scoreLine = nullptr;
    QLabel *verdictLine = nullptr;
    QPushButton *cmdMain = nullptr;

    QGroupBox *offerFrame = nullptr;
    LinkLabel *coBrandOffer = nullptr;
    LinkLabel *fullBrandOffer = nullptr;

    // The units of the height list and the weight box, the locale of the
    // typed weight and of the result page, and its paper.
    const ui::UserLocale userLocale;
    // The question shown, the answers, the weight points and the result.
    risktest::TestRun testRun;
    // The result in front, with the name it was taken for; empty before the
    // first result and after Main Screen.
    std::optional<report::ResultRecord> shownResult;

    bool unloaded = false;
};
