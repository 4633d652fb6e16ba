#include "AppConstants.h"
#include "links/PageAddresses.h"
#include "platform/Random.h"
#include "ui/LinkLabel.h"
#include "ui/exit/frmExitScreen.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "support/Recorders.h"
#include "support/ShownWindow.h"

#include <cmath>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

// The support message is drawn as the window is made: the draw is in place
// before it.
struct SupportMessageDraw
{
    platform::ScopedRandomDraw draw;
};

// The exit screen shown and active, its support message drawn with r.
class Screen : private SupportMessageDraw, public ShownWindow<frmExitScreen>
{
public:
    explicit Screen(float r = 0.0f)
        : SupportMessageDraw{platform::ScopedRandomDraw([r] { return r; })}
        , ShownWindow(QIcon(app::ApplicationIconResource.toString()))
        , quit(&form, &frmExitScreen::quitRequested)
    {}

    QLineEdit *box(const QString &name) { return find<QLineEdit>(name); }
    QPushButton *button(const QString &name) { return find<QPushButton>(name); }
    void focus(const QString &name) { find<QWidget>(name)->setFocus(Qt::TabFocusReason); }

    QSignalSpy quit;
};

} // namespace

class FrmExitScreenTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void load_drawsOneSupportMessage_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("start");
        QTest::newRow("zero") << 0.0f << 0 << u"Orvane Softwares, such as this"_s;
        QTest::newRow("quarter") << 0.25f << 1 << u"Visit OrvaneBoard.example regularly"_s;
        QTest::newRow("justBelowHalf") << std::nextafter(0.5f, 0.0f) << 1 << u"Visit "_s;
        QTest::newRow("half") << 0.5f << 2 << u"OrvaneBoard.example is a FREE"_s;
        QTest::newRow("largestDraw")
            << std::nextafter(1.0f, 0.0f) << 3 << u"OrvaneBoard.example needs your help"_s;
    }

    void load_drawsOneSupportMessage()
    {
        QFETCH(float, r);
        QFETCH(int, index);
        QFETCH(QString, start);
        Screen screen(r);
        QCOMPARE(screen.form.supportMessageIndex(), index);
        const QString message = screen.find<QLabel>(u"Label2"_s)->text();
        QVERIFY2(
            message.startsWith(start.replace(u"OrvaneBoard.example"_s, app::ForumName.toString())),
            qPrintable(message));
    }

    void load_captionIconTopmostAndFocusOnExit()
    {
        Screen screen;
        QVERIFY(screen.active);
        QCOMPARE(screen.form.windowTitle(), app::WindowCaption.toString());
        QCOMPARE(screen.find<QLabel>(u"lblExitScreenCaption"_s)->text(),
                 app::WindowCaption.toString());
        QVERIFY(!screen.form.windowIcon().isNull());
        QVERIFY(!screen.find<QLabel>(u"picExitScreenIcon"_s)->pixmap().isNull());
        QVERIFY(screen.form.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(screen.form.windowFlags() & Qt::WindowMinimizeButtonHint));
        QCOMPARE(screen.focusName(), u"cmdClose"_s);
    }

    void exit_byEveryRoadAsksToQuitOnce_data()
    {
        QTest::addColumn<QString>("road");
        QTest::newRow("click") << u"click"_s;
        QTest::newRow("enter") << u"enter"_s;
        QTest::newRow("space") << u"space"_s;
        QTest::newRow("altX") << u"altX"_s;
        QTest::newRow("closeBox") << u"closeBox"_s;
    }

    void exit_byEveryRoadAsksToQuitOnce()
    {
        QFETCH(QString, road);
        Screen screen;
        QVERIFY(screen.active);
        QWidget *focus = QApplication::focusWidget();
        if (road == u"click")
            QTest::mouseClick(screen.button(u"cmdClose"_s), Qt::LeftButton);
        else if (road == u"enter")
            QTest::keyClick(focus, Qt::Key_Return);
        else if (road == u"space")
            QTest::keyClick(focus, Qt::Key_Space);
        else if (road == u"altX")
            QTest::keyClick(focus, Qt::Key_X, Qt::AltModifier);
        else
            screen.form.close();
        QCOMPARE(screen.quit.size(), 1);
    }

    void visitForum_opensHomePageOncePerClickAndSpringsBack()
    {
        BrowserRecorder browser;
        Screen screen;
        QPushButton *check = screen.button(u"Check1"_s);
        QVERIFY(check->isCheckable());
        QCOMPARE(check->text(),
                 u"Click Here To Visit www."_s + app::ForumName.toString() + u" Now"_s);
        QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY(!check->isChecked());
        check->setFocus();
        QTest::keyClick(check, Qt::Key_Space);
        QVERIFY(!check->isChecked());
        const QString home = links::HomePageAddress;
        QCOMPARE(browser.addresses, (std::vector<QString>{home, home}));
        QCOMPARE(screen.quit.size(), 0);
    }

    void softwaresLink_opensItsPage()
    {
        BrowserRecorder browser;
        Screen screen;
        QTest::mouseClick(screen.find<LinkLabel>(u"lblGoToHome"_s), Qt::LeftButton);
        QCOMPARE(browser.addresses, std::vector<QString>{links::SoftwaresPageAddress});
    }

    void keyboardOrder_reachesTheHiddenMessageBox()
    {
        Screen screen;
        const QStringList order{u"cmdClose"_s,       u"Check1"_s,        u"picExitScreenIcon"_s,
                                u"txtName"_s,        u"cmdSubmit"_s,     u"txtEmail"_s,
                                u"txtFriendEmail"_s, u"txtFriendName"_s, u"txtMessage"_s,
                                u"cmdClose"_s};
        for (qsizetype step = 1; step < order.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(screen.focusName(), order[step]);
        }
        // Tabbing through leaves the message box's text as it was.
        QCOMPARE(screen.find<QPlainTextEdit>(u"txtMessage"_s)->toPlainText(), u"Your Message\n"_s);
        auto *frame = screen.find<QWidget>(u"Frame2"_s);
        QVERIFY(screen.find<QWidget>(u"txtMessage"_s)->y() >= frame->height());
    }

    void prompt_clearsOnFocusAndReturnsWhenLeftBlank_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("onFocus");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("onLeave");
        QTest::newRow("prompt") << u"Your Name"_s << QString() << QString() << u"Your Name"_s;
        QTest::newRow("paddedPrompt")
            << u"  Your Name "_s << QString() << QString() << u"Your Name"_s;
        QTest::newRow("onlySpaces") << u"   "_s << u"   "_s << QString() << u"Your Name"_s;
        QTest::newRow("otherCase")
            << u"your name"_s << u"your name"_s << QString() << u"your name"_s;
        QTest::newRow("typedKeepsSpaces")
            << u"Your Name"_s << QString() << u" Ann "_s << u" Ann "_s;
    }

    void prompt_clearsOnFocusAndReturnsWhenLeftBlank()
    {
        QFETCH(QString, text);
        QFETCH(QString, onFocus);
        QFETCH(QString, typed);
        QFETCH(QString, onLeave);
        Screen screen;
        QLineEdit *name = screen.box(u"txtName"_s);
        name->setText(text);
        screen.focus(u"txtName"_s);
        QCOMPARE(name->text(), onFocus);
        QTest::keyClicks(name, typed);
        screen.focus(u"txtFriendName"_s);
        QCOMPARE(name->text(), onLeave);
    }

    void emailBoxes_refuseATypedSpace_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("own") << u"txtEmail"_s;
        QTest::newRow("friend") << u"txtFriendEmail"_s;
    }

    void emailBoxes_refuseATypedSpace()
    {
        QFETCH(QString, box);
        MessageRecorder messages;
        Screen screen;
        QLineEdit *email = screen.box(box);
        screen.focus(box);
        QTest::keyClicks(email, u"ann@"_s);
        QTest::keyClick(email, Qt::Key_Space);
        QTest::keyClicks(email, u"b.c"_s);

        QCOMPARE(email->text(), u"ann@b.c"_s);
        QCOMPARE(screen.focusName(), box);
        QCOMPARE(messages.requests.size(), size_t(1));
        QCOMPARE(messages.requests.front().text, u"Email Address Cannot Contain Space"_s);
        QCOMPARE(messages.requests.front().icon, platform::MessageIcon::Critical);

        // A pasted space is no key press and goes in.
        email->insert(u" x"_s);
        QCOMPARE(email->text(), u"ann@b.c x"_s);
        QCOMPARE(messages.requests.size(), size_t(1));
    }

    void nameBox_takesSpaces()
    {
        MessageRecorder messages;
        Screen screen;
        screen.focus(u"txtName"_s);
        QTest::keyClicks(screen.box(u"txtName"_s), u"Ann Lee"_s);
        QCOMPARE(screen.box(u"txtName"_s)->text(), u"Ann Lee"_s);
        QVERIFY(messages.requests.empty());
    }

    void submit_allPromptsLeftAsksForProperAddresses()
    {
        MessageRecorder messages;
        BrowserRecorder browser;
        Screen screen;
        QTest::mouseClick(screen.button(u"cmdSubmit"_s), Qt::LeftButton);
        QCOMPARE(messages.requests.size(), size_t(1));
        QCOMPARE(messages.requests.front().text, u"Please Enter Proper Email Address"_s);
        QVERIFY(browser.addresses.empty());
    }

    void submit_blankNameGetsItsPromptBackAndIsRefused()
    {
        MessageRecorder messages;
        BrowserRecorder browser;
        Screen screen;
        screen.box(u"txtEmail"_s)->setText(u"ann@example.org"_s);
        screen.box(u"txtFriendEmail"_s)->setText(u" ann@example.org  "_s);
        QTest::mouseClick(screen.button(u"cmdSubmit"_s), Qt::LeftButton);
        QCOMPARE(messages.requests.back().text, u"Please Enter Distinct Email Addresses"_s);

        screen.box(u"txtFriendEmail"_s)->setText(u"bob@example.org"_s);
        screen.focus(u"txtName"_s);
        screen.box(u"txtName"_s)->setText(u"  "_s);
        QTest::mouseClick(screen.button(u"cmdSubmit"_s), Qt::LeftButton);
        QCOMPARE(screen.box(u"txtName"_s)->text(), u"Your Name"_s);
        QCOMPARE(messages.requests.back().text, u"Please Enter Your Name"_s);
        QVERIFY(browser.addresses.empty());
    }

    // Each box belongs to the exit screen, even while another window of the
    // program is the active one, so that it stacks above the topmost screen.
    void everyMessage_isOwnedByTheExitScreen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("message");
        QTest::newRow("spaceInAddress")
            << u"Ann"_s << u"ann @x.org"_s << u"Email Address Cannot Contain Space"_s;
        QTest::newRow("sameAddresses")
            << u"Ann"_s << u"bob@example.org"_s << u"Please Enter Distinct Email Addresses"_s;
        QTest::newRow("nameLeftAtPrompt")
            << u"Your Name"_s << u"ann@example.org"_s << u"Please Enter Your Name"_s;
    }

    void everyMessage_isOwnedByTheExitScreen()
    {
        QFETCH(QString, name);
        QFETCH(QString, email);
        QFETCH(QString, message);
        MessageRecorder messages;
        BrowserRecorder browser;
        Screen screen;
        QWidget otherWindow;
        otherWindow.show();
        QApplication::setActiveWindow(&otherWindow);
        QVERIFY(QTest::qWaitForWindowActive(&otherWindow));

        screen.box(u"txtName"_s)->setText(name);
        screen.box(u"txtFriendName"_s)->setText(u"Bob"_s);
        screen.box(u"txtFriendEmail"_s)->setText(u"bob@example.org"_s);
        QLineEdit *ownEmail = screen.box(u"txtEmail"_s);
        ownEmail->setText(QString());
        QTest::keyClicks(ownEmail, email);
        screen.button(u"cmdSubmit"_s)->click();

        QVERIFY(!messages.requests.empty());
        QCOMPARE(messages.requests.front().text, message);
        for (const platform::MessageRequest &request : messages.requests)
            QCOMPARE(request.parent, &screen.form);
    }

    void submit_sendsTheHiddenMessageAndKeepsTheBoxes()
    {
        MessageRecorder messages;
        BrowserRecorder browser;
        Screen screen;
        screen.box(u"txtName"_s)->setText(u" Ann "_s);
        screen.box(u"txtEmail"_s)->setText(u"ann@example.org"_s);
        screen.box(u"txtFriendName"_s)->setText(u"Bob"_s);
        screen.box(u"txtFriendEmail"_s)->setText(u"bob@example.org"_s);
        screen.button(u"cmdSubmit"_s)->setFocus();
        QTest::keyClick(screen.button(u"cmdSubmit"_s), Qt::Key_N, Qt::AltModifier);
        QTest::mouseClick(screen.button(u"cmdSubmit"_s), Qt::LeftButton);

        QVERIFY(messages.requests.empty());
        QCOMPARE(browser.addresses.size(), size_t(2));
        QVERIFY2(browser.addresses.front().contains(
                     u"&taf1=Ann&taf2=ann%40example.org&taf3=Your%20Message%0D%0A&taf4=Bob&"_s),
                 qPrintable(browser.addresses.front()));
        QCOMPARE(screen.box(u"txtName"_s)->text(), u" Ann "_s);
        QCOMPARE(screen.quit.size(), 0);
    }
};

QTEST_MAIN(FrmExitScreenTest)
#include "tst_frmexitscreen.moc"
