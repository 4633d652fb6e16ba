#include "Clock.h"

namespace platform {

ClockSeam &clockSeam()
{
    static ClockSeam seam([] { return QDateTime::currentDateTime(); });
    return seam;
}

QDateTime now()
{
    return clockSeam()();
}

QDate today()
{
    return now().date();
}

} // namespace platform
