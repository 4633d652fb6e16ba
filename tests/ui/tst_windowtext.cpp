// Every text of every window, in every state a user can reach, shows whole
// inside its control with the font the control really has, at 7 points or
// more, 8 for Chinese, Devanagari and Arabic (paragraphs side by side in one
// size), and stands out from the background it is drawn on, under a light and
// a dark desktop theme, which leaves every background as the light one has
// it.
// Linked once with the default site names and once with long ones, and run at
// scale factor 1 and 2, in English, Spanish, French, Brazilian Portuguese,
// Simplified Chinese, Hindi and Arabic, where no text may be left in English;
// in Arabic every window is the mirror image of its design (see
// CMakeLists.txt).

#include "AppConstants.h"
#include "platform/Random.h"
#include "platform/Translators.h"
#include "ui/about/frmAbout.h"
#include "ui/exit/frmExitScreen.h"
#include "ui/main/frmMain.h"

#include "support/Contrast.h"
#include "support/DrawnTexts.h"
#include "support/MirroredControls.h"
#include "support/WindowStates.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenuBar>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

using support::cells;
using support::child;
using support::contrast;
using support::darkPalette;
using support::describe;
using support::DesktopPalette;
using support::DrawnText;
using support::drawnTexts;
using support::environmentLocale;
using support::neededContrast;
using support::smallestReadablePointSize;
using support::Window;
using support::windowStates;

// Labels: the text laid out as the label lays it out, within its contents,
// and the label within its container.
void checkLabels(QWidget *window, QStringList &problems)
{
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(window) || label->text().isEmpty())
            continue;
        const QRect room = label->contentsRect();
        const int flags =
            int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine);
        const QRect needed = QFontMetrics(label->font()).boundingRect(room, flags, label->text());
        if (!room.contains(needed))
            problems << describe(label, label->text(), room, needed);
        // Right to left, a paragraph's wrapped lines end at its right edge as
        // its last line does: its first line, as drawn, shows it.
        const QFontMetrics metrics(label->font());
        if (label->wordWrap() && label->text().isRightToLeft() &&
            (QStyle::visualAlignment(Qt::RightToLeft, label->alignment()) & Qt::AlignRight) &&
            needed.height() > metrics.height()) {
            const QImage drawn = label->grab().toImage();
            const qreal ratio = drawn.devicePixelRatio();
            int right = 0;
            for (int y = 0; y < metrics.ascent() * ratio; ++y) {
                for (int x = right; x < drawn.width(); ++x)
                    right = drawn.pixel(x, y) != drawn.pixel(0, 0) ? x + 1 : right;
            }
            if (drawn.width() - right >= metrics.horizontalAdvance(u' ') * ratio)
                problems << describe(label, label->text(), room, needed) + u": ragged"_s;
        }
        const QWidget *container = label->parentWidget();
        if (!container->rect().contains(label->geometry()))
            problems << describe(label, label->text(), container->rect(), label->geometry());
        // Nor into a control beside it (the offers' labels lie on one
        // another by design, one raised at a time).
        for (const QWidget *other :
             container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!qobject_cast<const QLabel *>(other) && other->isVisibleTo(window) &&
                other->geometry().intersects(label->geometry()))
                problems << describe(label, label->text(), other->geometry(), label->geometry());
        }
    }
}

// Buttons, the check box drawn as a button among them: the caption within
// the part of the button the style draws text in.
void checkButtons(QWidget *window, QStringList &problems)
{
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        if (!button->isVisibleTo(window))
            continue;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        if (button->autoDefault() || button->isDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
        const QRect room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QRect needed =
            QFontMetrics(button->font())
                .boundingRect(room, Qt::AlignCenter | Qt::TextShowMnemonic, button->text());
        if (!room.contains(needed))
            problems << describe(button, button->text(), room, needed);
    }
}

// Tables: every cell's text within its cell, and the cell in sight.
void checkTables(QWidget *window, QStringList &problems)
{
    for (QTableWidget *table : window->findChildren<QTableWidget *>()) {
        // The room the style leaves on either side of a cell's text.
        const int margin = table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
        for (const QTableWidgetItem *item : cells(table)) {
            // Only the part of the cell in sight counts.
            const QRect cell = table->visualItemRect(item) & table->viewport()->rect();
            const QRect room = cell.adjusted(margin, 0, -margin, 0);
            const QRect needed =
                QFontMetrics(item->font())
                    .boundingRect(room, item->textAlignment() | Qt::TextWordWrap, item->text());
            if (!room.contains(needed))
                problems << describe(table, item->text(), room, needed);
        }
    }
}

// Frame captions within their frame, from where the style puts them; the
// text of a box (a prompt) within the box, less the 2 pixels Qt keeps either
// side of it.
void checkFramesAndBoxes(QWidget *window, QStringList &problems)
{
    auto check = [&](const QWidget *control, const QString &text, QRect room, QRect bounds) {
        const QFontMetrics metrics(control->font());
        const QRect needed(room.topLeft(), QSize(metrics.horizontalAdvance(text), room.height()));
        if (control->isVisibleTo(window) && !bounds.contains(needed))
            problems << describe(control, text, bounds, needed);
    };
    for (QGroupBox *frame : window->findChildren<QGroupBox *>()) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        check(frame, frame->title(),
              frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                             frame),
              frame->rect());
    }
    for (QLineEdit *box : window->findChildren<QLineEdit *>()) {
        QStyleOptionFrame option;
        option.initFrom(box);
        const QRect room = box->style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, box)
                               .adjusted(2, 0, -2, 0);
        check(box, box->text(), room, room);
    }
}

// Every entry of the menu bar on the bar itself, none pushed into the button
// a bar grows when its entries do not fit.
void checkMenuBar(QWidget *window, QStringList &problems)
{
    for (const QMenuBar *bar : window->findChildren<QMenuBar *>()) {
        for (QAction *entry : bar->actions()) {
            if (!bar->rect().contains(bar->actionGeometry(entry)))
                problems << describe(bar, entry->text(), bar->rect(), bar->actionGeometry(entry));
        }
    }
}

// Paragraphs side by side (wrapped labels of one container, designed at one
// size) in one size: once a translation has made one of them shrink, the
// others follow. English keeps each as designed.
void checkPeerSizes(QWidget *window, QStringList &problems)
{
    QMap<std::pair<QObject *, qreal>, QSet<qreal>> sizes;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        const qreal designed = label->property("designedFont").value<QFont>().pointSizeF();
        if (label->isVisibleTo(window) && label->wordWrap())
            sizes[{label->parent(), designed}] << label->font().pointSizeF();
    }
    for (auto peers = sizes.cbegin(); peers != sizes.cend(); ++peers) {
        if (peers->size() > 1)
            problems << peers.key().first->objectName() + u": peers in two sizes"_s;
    }
}

// Every text of a window a user can read, with the control it is in: what
// drawnTexts finds, and the menus (their own entries in the bar) and entries.
QList<std::pair<const QObject *, QString>> readableTexts(QWidget *window)
{
    QList<std::pair<const QObject *, QString>> texts;
    for (const DrawnText &drawn : drawnTexts(window))
        texts.append({drawn.control, drawn.text});
    // A menu's own entry in the bar is named after the menu.
    for (const QAction *entry : window->findChildren<QAction *>())
        texts.append({entry->objectName().isEmpty() ? entry->parent() : entry, entry->text()});
    return texts;
}

// Whole texts a language writes as English does.
bool writtenAsInEnglish(const QString &text)
{
    const QLocale::Language language = environmentLocale().locale.language();
    return (language == QLocale::French || language == QLocale::Portuguese) && text == u"OK"_s;
}

// What may read the same in a translation as in English: names, addresses,
// what the user typed, and words both languages write alike.
bool sameInEveryLanguage(QString text)
{
    if (writtenAsInEnglish(text))
        return true;
    for (const QStringView name : {app::WindowCaption, app::ApplicationTitle, app::SiteBaseAddress,
                                   app::ForumName, QStringView(u"Ann"), QStringView(u"No")})
        text.remove(name.toString());
    // Unit symbols are the same in every language.
    text.remove(QRegularExpression(u"\\b(cm|kg)\\b"_s));
    return !text.contains(QRegularExpression(u"\\p{L}"_s));
}

} // namespace

class WindowTextTest : public QObject
{
    Q_OBJECT

    // The user's language, from the test's environment, as the program has it.
    std::optional<platform::Translators> translators;

private Q_SLOTS:
    void initTestCase() { translators.emplace(environmentLocale().translation); }

    void everyText_showsWholeInItsControl_data()
    {
        QTest::addColumn<int>("state");
        for (std::size_t i = 0; i < windowStates().size(); ++i)
            QTest::newRow(windowStates()[i].tag) << int(i);
    }

    void everyText_showsWholeInItsControl()
    {
        QFETCH(int, state);
        const Window window = windowStates()[std::size_t(state)].reach();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QStringList problems;
        checkLabels(window.get(), problems);
        checkButtons(window.get(), problems);
        checkTables(window.get(), problems);
        checkFramesAndBoxes(window.get(), problems);
        checkMenuBar(window.get(), problems);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u"\n"_s)));
        QStringList tooSmall;
        if (platform::interfaceTranslated())
            checkPeerSizes(window.get(), tooSmall);
        for (const DrawnText &drawn : drawnTexts(window.get())) {
            const qreal floor = smallestReadablePointSize(drawn.text);
            if (drawn.control->font().pointSizeF() < floor)
                tooSmall << drawn.text.left(40) + u": below %1 pt"_s.arg(floor);
        }
        QVERIFY2(tooSmall.isEmpty(), qPrintable(tooSmall.join(u"\n"_s)));
    }

    void everyText_isTranslated_data() { everyText_showsWholeInItsControl_data(); }

    // Each text against the same window in English, control by control.
    void everyText_isTranslated()
    {
        if (!platform::interfaceTranslated())
            QSKIP("The windows show their English texts.");
        QFETCH(int, state);
        translators.reset();
        const Window english = windowStates()[std::size_t(state)].reach();
        translators.emplace(environmentLocale().translation);
        const Window window = windowStates()[std::size_t(state)].reach();
        const auto englishTexts = readableTexts(english.get());
        const auto texts = readableTexts(window.get());
        QCOMPARE(texts.size(), englishTexts.size());
        QStringList problems;
        for (qsizetype i = 0; i < texts.size(); ++i) {
            if (texts[i].second == englishTexts[i].second && !sameInEveryLanguage(texts[i].second))
                problems << u"%1: \"%2\""_s.arg(texts[i].first->objectName(), texts[i].second);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u"\n"_s)));
    }

    void everyText_standsOutFromItsGround_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("dark");
        for (std::size_t i = 0; i < windowStates().size(); ++i) {
            for (const bool dark : {false, true})
                QTest::addRow("%s_%s", windowStates()[i].tag, dark ? "dark" : "light")
                    << int(i) << dark;
        }
    }

    void everyText_standsOutFromItsGround()
    {
        QFETCH(int, state);
        QFETCH(bool, dark);
        // Every ground is fixed: a dark theme leaves it as a light one has it.
        const Window lightWindow = windowStates()[std::size_t(state)].reach();
        const std::vector<DrawnText> lightTexts = drawnTexts(lightWindow.get());
        const DesktopPalette desktop(dark ? darkPalette() : QApplication::palette());
        const Window window = windowStates()[std::size_t(state)].reach();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));

        QStringList problems;
        const std::vector<DrawnText> texts = drawnTexts(window.get());
        QCOMPARE(texts.size(), lightTexts.size());
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (texts[i].ground != lightTexts[i].ground)
                problems << u"%1 \"%2\": on %3, not %4"_s.arg(texts[i].control->objectName())
                                .arg(texts[i].text.left(40))
                                .arg(texts[i].ground.name(), lightTexts[i].ground.name());
        }
        for (const DrawnText &drawn : drawnTexts(window.get())) {
            const double ratio = contrast(drawn.colour, drawn.ground);
            if (ratio < neededContrast(drawn.control->font()))
                problems << u"%1 \"%2\": %3 on %4, %5:1"_s.arg(drawn.control->objectName())
                                .arg(drawn.text.left(40))
                                .arg(drawn.colour.name(), drawn.ground.name())
                                .arg(ratio, 0, 'f', 2);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u"\n"_s)));
    }

    void everyControl_isMirroredRightToLeft_data() { everyText_showsWholeInItsControl_data(); }

    // Against the same window, with the same texts, laid out left to right.
    void everyControl_isMirroredRightToLeft()
    {
        if (QGuiApplication::layoutDirection() != Qt::RightToLeft)
            QSKIP("The windows read left to right.");
        QFETCH(int, state);
        const Window mirrored = windowStates()[std::size_t(state)].reach();
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        const auto restore =
            qScopeGuard([] { QGuiApplication::setLayoutDirection(Qt::RightToLeft); });
        const Window designed = windowStates()[std::size_t(state)].reach();
        const QStringList problems = support::unmirroredControls(designed.get(), mirrored.get());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u"\n"_s)));
        // Tab still goes through them in the designed order.
        QCOMPARE(support::keyboardOrder(mirrored.get()), support::keyboardOrder(designed.get()));
    }
};

QTEST_MAIN(WindowTextTest)
#include "tst_windowtext.moc"
