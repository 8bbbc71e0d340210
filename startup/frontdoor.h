#pragma once

// The part of start-up that needs no Qt: the run mode, and whether a
// reminder run has anything to show. The `plandeck` program decides this
// before any Qt library is loaded, so that a login reminder with nothing to
// say costs a few file lookups; everything else runs in the window program.

namespace plandeck {

enum class RunMode { Normal, Remind };

// Reminder mode needs exactly one argument, "remind", compared exactly.
RunMode runModeFromArguments(int argc, const char* const* argv);

// True only when a reminder run would end at once: no welcome marker, and no
// note file with content for this day and month in any year from 1900 to
// this one. Any doubt (a note that cannot be looked up) answers false, so the
// window program decides.
bool nothingToRemind(int day, int month, int year);

// The window program to hand over to: next to this program, or in the
// libexec folder of an installed tree.
const char* windowProgramPath();

} // namespace plandeck
