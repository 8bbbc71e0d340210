#pragma once

#include "startup/frontdoor.h"

#include <string>
#include <string_view>

// The login reminder is an XDG autostart entry that runs `plandeck remind`
// by the full path of the program that wrote it, so that it works without
// the install's bin/ on the session's PATH. Its TryExec names the same
// program: desktops skip the entry once that program is gone, and an
// uninstall can tell whether the entry belongs to it.

namespace plandeck {

// $XDG_CONFIG_HOME/autostart/<app id>-remind.desktop, else the same under
// ~/.config; empty when the environment names neither.
std::string autostartEntryPath();

// `program` as one argument of an Exec line: quoted where the desktop entry
// format reserves a character, % doubled, then escaped as a string value.
std::string desktopExecArgument(std::string_view program);

// The entry that runs `program remind` at login, with the options given.
std::string autostartEntry(std::string_view program, const ReminderOptions& options = {});

// Writes the entry at `path` (creating its folder), or removes it. False,
// with errno set, when that fails; removing an entry that is not there
// succeeds.
bool writeAutostartEntry(const std::string& path, std::string_view program,
                         const ReminderOptions& options = {});
bool removeAutostartEntry(const std::string& path);

} // namespace plandeck
