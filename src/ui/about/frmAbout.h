#pragma once

#include <QDialog>

class LinkLabel;
class QFrame;
class QLabel;
class QPushButton;

// The About window: the product's name and version, what it is for, the
// full-branding offer with its "more details" link, a link to the maker's
// home page and an OK button. Fixed at design time; it keeps no state, so
// every opening builds it afresh. OK, Enter, Esc and the close box all close
// it and do nothing else; the links open their pages and leave it open.
class frmAbout final : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);

private Q_SLOTS:
    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCoBrand_Click();

private:
    void createWindow();
    void createControls();

    QLabel *iconPicture = nullptr;
    QLabel *titleLabel = nullptr;
    QLabel *description = nullptr;
    LinkLabel *homePageLink = nullptr;
    QLabel *brandingOffer = nullptr;
    LinkLabel *brandingDetailsLink = nullptr;
    QFrame *rule = nullptr;
    QPushButton *okButton = nullptr;
};
