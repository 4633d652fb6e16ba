#include "ExitScreenTexts.h"

#include "AppConstants.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace ui::exit {

QString supportMessage(int index)
{
    switch (index) {
    case 0:
        return QCoreApplication::translate(
                   "ExitScreenTexts",
                   "Orvane Softwares, such as this can be created and maintained only with your "
                   "support. The best way to support Orvane Board is to visit %1 regularly and "
                   "take part in the discussions and other activities on the board.")
            .arg(app::ForumName);
    case 1:
        // This one has no closing full stop.
        return QCoreApplication::translate(
                   "ExitScreenTexts",
                   "Visit %1 regularly. Support %1 by taking part in the discussions and other "
                   "activities. These softwares cannot be supported and maintained, without you "
                   "regularly visiting %1")
            .arg(app::ForumName);
    case 2:
        return QCoreApplication::translate(
                   "ExitScreenTexts",
                   "%1 is a FREE online discussion forum for all things orvane. To help %1 develop "
                   "and maintain this software visit Pellora regularly.")
            .arg(app::ForumName);
    default:
        return QCoreApplication::translate(
                   "ExitScreenTexts",
                   "%1 needs your help. All you need to do is visit %1 regularly and take part in "
                   "the various discussions and activites to help us maintain and develop more "
                   "Orvane Softwares.")
            .arg(app::ForumName);
    }
}

int supportMessageIndex(float r)
{
    const int index = static_cast<int>(std::floor(r * SupportMessageCount));
    return std::clamp(index, 0, SupportMessageCount - 1);
}

QString visitForumCaption()
{
    return QCoreApplication::translate("ExitScreenTexts", "Click Here To Visit www.%1 Now")
        .arg(app::ForumName);
}

QString promotionText()
{
    // The run of 61 spaces ends the first paragraph: wrapping pushes what
    // follows onto a line of its own.
    const QString first = QCoreApplication::translate(
        "ExitScreenTexts",
        "If you have enjoyed this software you will surely be interested in our other "
        "Orvane Softwares. From a single software, we have now grown to become the "
        "world\u2019s largest resource of orvane softwares. Be it astrology, psychic, "
        "tarot, numerology or occult, we have programs in all fields thus giving our users "
        "a wide choice depending on their interests.");
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    // Right to left, Qt 6.4 wraps the spaces themselves onto lines of their
    // own and leaves blank lines; there a line break ends the paragraph as
    // the spaces do. Seen with Qt 6.4, so fenced to the versions before 6.5:
    // check a newer Qt with the Arabic window tests before the fence moves.
    const bool lineBreakEnds = first.isRightToLeft();
#else
    const bool lineBreakEnds = false;
#endif
    return first + (lineBreakEnds ? u"\n"_s : QString(61, u' ')) +
           QCoreApplication::translate(
               "ExitScreenTexts",
               "All the programs in the Orvane Softwares suite are simple and easy to use. They "
               "are not only fun to use but also very informative. Try them out today and share "
               "your experience with your friends and family. ");
}

} // namespace ui::exit
