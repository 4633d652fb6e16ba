// The baseline the start-up benchmark measures the program against: what Qt
// Widgets alone costs to put a window of the main window's size, with a menu
// bar and a label, on the screen. Anything the program takes beyond this is
// its own.
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>
#include <QWidget>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);

    QWidget window;
    window.setWindowTitle(u"Bare Qt Widgets window"_s);

    // The same arrangement as the main window: a fixed-size client area with
    // the menu bar above it, so both windows ask Qt for the same work.
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto *menuBar = new QMenuBar(&window);
    menuBar->addMenu(u"&File"_s)->addAction(u"E&xit"_s);
    menuBar->addMenu(u"&Help"_s)->addAction(u"&About"_s);
    layout->setMenuBar(menuBar);

    auto *client = new QWidget(&window);
    client->setFixedSize(479, 345);
    auto *label = new QLabel(u"Hello from a bare window."_s, client);
    label->move(24, 24);
    layout->addWidget(client);

    window.show();
    return QApplication::exec();
}
