#pragma once

#include "Seam.h"

#include <utility>

// Ending the process once the program's windows are gone: the event loop is
// left and main() returns. Tests put a recorder in its place.
namespace platform {

void endProcess();

using ProcessEndSeam = Seam<void()>;
ProcessEndSeam &processEndSeam();

class ScopedProcessEnd final : public ProcessEndSeam::Override
{
public:
    explicit ScopedProcessEnd(ProcessEndSeam::Function ender)
        : Override(processEndSeam(), std::move(ender))
    {}
};

} // namespace platform
