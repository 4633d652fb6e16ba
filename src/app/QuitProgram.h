#pragma once

namespace app {

// Ends the program: unloads every loaded form, running each one's unload
// handler, then ends the process. Handlers may call it again while it runs;
// such a nested call goes straight to ending the process.
void QuitProgram();

// True while QuitProgram is unloading the forms: unload handlers then start
// nothing new.
bool QuitInProgress();

} // namespace app
