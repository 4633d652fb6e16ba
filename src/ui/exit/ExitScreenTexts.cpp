#include "ExitScreenTexts.h"

#include "AppConstants.h"

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace ui::exit {

QString supportMessage(int index)
{
    const QString forum = app::ForumName.toString();
    switch (index) {
    case 0:
        return u"Orvane Softwares, such as this can be created and maintained only with your "
               u"support. The best way to support Orvane Board is to visit "_s +
               forum +
               u" regularly and take part in the discussions and other activities on the board."_s;
    case 1:
        // This one has no closing full stop.
        return u"Visit "_s + forum + u" regularly. Support "_s + forum +
               u" by taking part in the discussions and other activities. These softwares cannot "
               u"be supported and maintained, without you regularly visiting "_s +
               forum;
    case 2:
        return forum + u" is a FREE online discussion forum for all things orvane. To help "_s +
               forum + u" develop and maintain this software visit Pellora regularly."_s;
    default:
        return forum + u" needs your help. All you need to do is visit "_s + forum +
               u" regularly and take part in the various discussions and activites to help us "
               u"maintain and develop more Orvane Softwares."_s;
    }
}

int supportMessageIndex(float r)
{
    const int index = static_cast<int>(std::floor(r * SupportMessageCount));
    return std::clamp(index, 0, SupportMessageCount - 1);
}

QString visitForumCaption()
{
    return u"Click Here To Visit www."_s + app::ForumName.toString() + u" Now"_s;
}

QString promotionText()
{
    // The run of 61 spaces ends the first paragraph: wrapping pushes what
    // follows onto a line of its own.
    return u"If you have enjoyed this software you will surely be interested in our other Orvane "
           u"Softwares. From a single software, we have now grown to become the world\u2019s "
           u"largest resource of orvane softwares. Be it astrology, psychic, tarot, numerology or "
           u"occult, we have programs in all fields thus giving our users a wide choice depending "
           u"on their interests."_s +
           QString(61, u' ') +
           u"All the programs in the Orvane Softwares suite are simple and easy to use. They are "
           u"not only fun to use but also very informative. Try them out today and share your "
           u"experience with your friends and family. "_s;
}

} // namespace ui::exit
