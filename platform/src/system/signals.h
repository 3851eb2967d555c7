// Ending on a signal: SIGTERM (a desktop logging out), SIGINT (Ctrl+C) and SIGHUP (the
// terminal gone) end the program at once, asking nothing, with 128 + the signal, the
// status a shell gives a program the signal ended. The handler only notes the signal; the
// program ends where it next waits (for input, or for a sound to finish), so what it was
// doing between two messages (writing a file, installing) is done whole and nothing is
// left half-written.
#pragma once

#include <functional>

namespace platform {

// From now on; `finish` is called with the exit code just before the program ends.
void WatchTerminationSignals(std::function<void(int code)> finish);
// Becomes readable when a signal has come, for a wait on other descriptors too (-1
// before the signals are watched).
int TerminationSignalFd();
// Ends the program here when a signal has come.
void EndIfSignalled();

}  // namespace platform
