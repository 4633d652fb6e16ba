#include "MessageBox.h"

#include "AppConstants.h"
#include "WindowPlacement.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <QWidget>

namespace platform {
namespace {

// Window managers draw the window icon and up to three buttons (minimise,
// maximise, close) beside the caption, each about as wide as the title bar
// is high, plus a margin at either end.
constexpr int TitleBarControls = 4;
constexpr int TitleBarControlWidth = 26;
constexpr int TitleBarMargins = 16;

// Windows and dialogs the user works in; not menus, tool tips and the like.
bool isCandidateOwner(const QWidget *window)
{
    const Qt::WindowType type = window->windowType();
    return window->isVisible() && (type == Qt::Window || type == Qt::Dialog);
}

// The topmost of the program's visible windows, as far as the program knows
// the stacking order: a window kept above the others wins.
QWidget *topmostVisibleWindow()
{
    QWidget *found = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!isCandidateOwner(window))
            continue;
        if (window->windowFlags() & Qt::WindowStaysOnTopHint)
            return window;
        if (!found)
            found = window;
    }
    return found;
}

// Makes the box at least as wide as its caption needs. The box fixes its own
// size from its layout when it is shown, so the room goes into the layout.
void makeRoomForCaption(QMessageBox &box)
{
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (!grid)
        return;
    const int width = captionWidth(box.windowTitle());
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

// A message box whose frame is centred over its owner's frame, or on the
// screen when it has none. Qt's own placement counts the owner's title bar
// twice and puts the box a title bar too high.
class CentredMessageBox final : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent *event) override
    {
        // The box fixes its size here, before it is mapped.
        QMessageBox::showEvent(event);
        const QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
        if (!owner || !owner->isVisible()) {
            centreOnScreen(this);
            return;
        }
        // The box gets the same decorations as its owner.
        const QRect ownerFrame = owner->frameGeometry();
        const QSize frame = size() + (ownerFrame.size() - owner->size());
        const QScreen *screen = owner->screen();
        const QPoint placed =
            centredOver(frame, ownerFrame, screen ? screen->availableGeometry() : ownerFrame);
        // Placed by its client area, which Qt always takes as given; the
        // owner's title bar and border say where that lies in the frame.
        const QPoint client = placed + (owner->geometry().topLeft() - ownerFrame.topLeft());
        setGeometry(QRect(client, size()));
    }
};

MessageAnswer showRealBox(const MessageRequest &request)
{
    const bool yesNo = request.buttons == MessageButtons::YesNo;
    CentredMessageBox box(
        request.icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
        app::ApplicationTitle.toString(), request.text,
        yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, request.parent);
    // A box with no window of the program's to stand over (a second copy's
    // notice, the update question before the main window) would open
    // beneath any window another program keeps above the others, such as
    // the first copy's exit screen, with nothing to show that it waits. It
    // is kept above as well, and so comes up in front of everything.
    if (!request.parent)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    box.setEscapeButton(yesNo ? QMessageBox::No : QMessageBox::Ok);
    makeRoomForCaption(box);
    centreRightToLeftButtonTexts(&box);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Ok;
    }
}

} // namespace

QWidget *ownerWindow(QWidget *requested)
{
    if (requested)
        return requested->window();
    // A program without widgets has no window to give.
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return nullptr;
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget *active = QApplication::activeWindow())
        return active;
    return topmostVisibleWindow();
}

void centreRightToLeftButtonTexts([[maybe_unused]] QWidget *dialog)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
        if (button->text().isRightToLeft())
            button->setIcon(QIcon());
    }
#endif
}

int captionWidth(const QString &caption)
{
    // Title bars draw the caption in a bold face of the desktop's title font.
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    if (font.pointSizeF() < QApplication::font().pointSizeF())
        font.setPointSizeF(QApplication::font().pointSizeF());
    return QFontMetrics(font).horizontalAdvance(caption) + TitleBarControls * TitleBarControlWidth +
           TitleBarMargins;
}

MessageBoxSeam &messageBoxSeam()
{
    static MessageBoxSeam seam(showRealBox);
    return seam;
}

MessageAnswer showMessage(QWidget *parent, const QString &text, MessageIcon icon,
                          MessageButtons buttons)
{
    return messageBoxSeam()(MessageRequest{ownerWindow(parent), text, icon, buttons});
}

} // namespace platform
