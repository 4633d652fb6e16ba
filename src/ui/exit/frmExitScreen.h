#pragma once

#include <QIcon>
#include <QWidget>

class LinkLabel;
class PromptTextBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The last window the program shows, once the main window has gone. It stays
// above every other window: a support message drawn at random, a check box
// that opens the forum, the panel promoting the maker's other software, the
// "Refer A Friend" panel (prompt text boxes; links/Referral.h submits it)
// and the Exit button, which holds the first focus. Closing it by any road
// asks for the program to end.
class frmExitScreen final : public QWidget
{
    Q_OBJECT

public:
    // The icon is the application icon the start-up controller owns.
    explicit frmExitScreen(const QIcon &applicationIcon, QWidget *parent = nullptr);

    // The support message shown, 0 to 3.
    int supportMessageIndex() const { return shownSupportMessage; }

Q_SIGNALS:
    // Exit was pressed or the window is closing: the program ends.
    void quitRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private Q_SLOTS:
    void cmdClose_Click();
    void visitForumButton_Click(bool checked);
    void lblGoToHome_Click();
    void cmdSubmit_Click();

private:
    void createWindow();
    void createSoftwarePanel();
    void createReferralPanel();
    void createWindowControls();
    void setKeyboardOrder();
    void connectControls();

    void Form_Load(const QIcon &applicationIcon);
    void Form_Unload();

    QGroupBox *softwarePanel = nullptr;
    LinkLabel *softwaresLink = nullptr;
    QLabel *promotionText = nullptr;

    QGroupBox *referralPanel = nullptr;
    QPlainTextEdit *txtMessage = nullptr;
    QLineEdit *txtFriendName = nullptr;
    QLineEdit *txtFriendEmail = nullptr;
    QLineEdit *txtEmail = nullptr;
    QPushButton *referButton = nullptr;
    QLineEdit *txtName = nullptr;

    PromptTextBox *namePrompt = nullptr;
    PromptTextBox *emailPrompt = nullptr;
    PromptTextBox *messagePrompt = nullptr;
    PromptTextBox *friendNamePrompt = nullptr;
    PromptTextBox *friendEmailPrompt = nullptr;

    QPushButton *exitButton = nullptr;
    QPushButton *visitForumButton = nullptr;
    QLabel *iconPicture = nullptr;
    QLabel *supportMessageLabel = nullptr;
    QLabel *captionLabel = nullptr;

    int shownSupportMessage = 0;
    bool unloaded = false;
};
