#pragma once

#include "Seam.h"

#include <QDate>
#include <QDateTime>

#include <utility>

// The clock: the local date and time, as the system has them. Tests put a
// fixed moment in its place.
namespace platform {

QDateTime now();
QDate today();

using ClockSeam = Seam<QDateTime()>;
ClockSeam &clockSeam();

// Stops the clock at `moment` for as long as it lives. Meant for tests.
class ScopedClock final : public ClockSeam::Override
{
public:
    explicit ScopedClock(QDateTime moment)
        : Override(clockSeam(), [moment = std::move(moment)] { return moment; })
    {}
};

} // namespace platform
