#pragma once

#include <optional>
#include <string>

// The part of start-up that needs no Qt: the run mode, the working folder,
// and whether a reminder run has anything to show. The `plandeck` program
// decides this before any Qt library is loaded, so that a login reminder
// with nothing to say costs a few file lookups; everything else runs in the
// window program.

namespace plandeck {

enum class RunMode { Normal, Remind };

// What a reminder run shows beyond today's notes of every year, and how.
struct ReminderOptions
{
    int daysAhead = 0;   // the notes of the next days too: 0, or 1 to 366
    bool notify = false; // as a desktop notification
};

// The options after "remind", or after "--autostart on": any of
// "--days N" (1 <= N <= 366) and "--notify", each at most once, from
// argv[first] on. Nothing when an argument is not one of them.
std::optional<ReminderOptions> reminderOptions(int argc, const char* const* argv, int first);

// "remind" as the first argument, compared exactly, followed by valid
// reminder options (or none).
RunMode runModeFromArguments(int argc, const char* const* argv);

// True only when a reminder run would end at once: no welcome marker, and no
// note file with content for this day and month in any year from 1900 to
// this one, nor for any of the daysAhead days after it. Any doubt (a note
// that cannot be looked up) answers false, so the window program decides.
bool nothingToRemind(int day, int month, int year, int daysAhead = 0);

// Where `plandeck` runs from. In a build folder the window program sits next
// to it; an installed `plandeck` finds it in libexec/plandeck/ beside bin/
// (or, failing both, on PATH) and works in the user's working folder.
struct ProgramPaths
{
    std::string self;          // this program, links resolved; empty if unknown
    std::string windowProgram; // what to hand over to
    bool installed = true;
};
ProgramPaths programPaths();

// The installed program's working folder: $PLANDECK_HOME, else
// $XDG_DATA_HOME/plandeck, else $HOME/.local/share/plandeck. Empty when the
// environment names none of them.
std::string workingFolder();

// Where an installed `plandeck` tells the window program the folder it was
// started in, before it moved into its working folder: paths the user typed
// count from there.
inline constexpr char kStartFolderVariable[] = "PLANDECK_START_FOLDER";

// Changes into `folder`. The first start creates it with data/, temp/ and the
// welcome marker; later starts only add a missing data/ or temp/. False, with
// errno set, when the folder cannot be made or entered.
bool enterWorkingFolder(const std::string& folder);

} // namespace plandeck
