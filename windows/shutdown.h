#pragma once

namespace plandeck {

class Form1;

// Saves the note being edited when the desktop session ends, and closes the
// program in order (saving first) on SIGTERM, SIGINT or SIGHUP. The signal
// handler only writes a byte to a pipe; the work runs in the event loop.
void installShutdownHandlers(Form1& form);

// Catches the termination signals from here on; installShutdownHandlers acts
// on any that arrived meanwhile. Called first thing at start-up, so that a
// signal during the start does not kill the program unsaved.
void catchTerminationSignals();

// True once a termination signal has been handled. A signal that arrives
// while the welcome message waits ends that wait, before the main event loop
// runs; start-up then checks this and ends instead of showing the window.
bool terminationRequested();

} // namespace plandeck
