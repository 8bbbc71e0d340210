#pragma once

// The arguments both programs answer before anything else: `--help` and
// `--version`, which need no window, and whether a run that needs one has a
// display to open it on. No Qt: `plandeck` decides this as well as the
// window program, and Qt ends a start without a display by aborting.

namespace plandeck {

// Prints the usage for `--help` or the name and version for `--version` (the
// only argument) and returns 0; returns -1 for every other command line.
int answerInformationArguments(int argc, const char* const* argv);

// The usage text printed by `--help`, one line per command.
const char* usageText();

// Whether Qt can open a window here: a platform plugin that needs no
// display (QT_QPA_PLATFORM or -platform, such as offscreen) or a display for
// X11 or Wayland in the environment.
bool windowCanOpen(int argc, const char* const* argv);

// The one line said when a window cannot open.
const char* noDisplayMessage();

} // namespace plandeck
