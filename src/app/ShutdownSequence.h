#pragma once

namespace app {

// The main window's unload handler: the exit screen takes its place, shown
// on its own, on top and active, and the program goes on until it closes.
// While the quit routine is unloading every form, nothing new is shown.
void RunShutdownSequence();

} // namespace app
