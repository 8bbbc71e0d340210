#pragma once

namespace plandeck {

class Form1;

// Saves the note being edited when the desktop session ends, and closes the
// program in order (saving first) on SIGTERM, SIGINT or SIGHUP. The signal
// handler only writes a byte to a pipe; the work runs in the event loop.
void installShutdownHandlers(Form1& form);

} // namespace plandeck
