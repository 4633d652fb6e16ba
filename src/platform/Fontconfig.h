#pragma once

// Fontconfig reads its configuration the first time a font is needed: a
// large part of start-up, on the main thread, while a second core may idle.
namespace platform {

// Called at the top of main(), this has it read on a worker thread. Fontconfig
// is not linked: its init function is looked up at run time in the process
// (Qt's GUI library loads it), and where it is missing nothing is started.
void preloadFontconfig();

// Waits until a reading started by preloadFontconfig is done; at once if none
// was started. Called before the first font is asked for.
void waitForFontconfig();

} // namespace platform
