#include "PlatformChoice.h"

using namespace Qt::Literals::StringLiterals;

namespace app {

QByteArray preferredPlatform(const PlatformSituation &situation)
{
    if (!situation.platformVariable.isEmpty() || situation.display.isEmpty())
        return {};
    // Qt takes its options with one dash or two.
    for (const QString &argument : situation.arguments.mid(1)) {
        if (argument == u"-platform"_s || argument == u"--platform"_s ||
            argument.startsWith(u"-platform="_s) || argument.startsWith(u"--platform="_s))
            return {};
    }
    return "xcb;wayland"_ba;
}

} // namespace app
