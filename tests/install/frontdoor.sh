#!/bin/sh
# The built `plandeck` laid out as installed (window program in
# libexec/plandeck/) and as in a build folder (window program next to it),
# with a stand-in window program that records where it ran and with which
# arguments: the working folder, and the login reminder on and off.
# Usage: frontdoor.sh PATH_TO_plandeck
# shellcheck disable=SC2015,SC2016
# shellcheck source=tests/install/common.sh
. "$(dirname "$0")/common.sh"

cat > "$tmp/stand-in" <<FAKE
#!/bin/sh
{ printf 'folder:%s\n' "\$(pwd -P)"; for a in "\$@"; do printf 'arg:%s\n' "\$a"; done; } > "$tmp/log"
FAKE
chmod +x "$tmp/stand-in"
# lay_out BUILT PLANDECK GUI: the built plandeck at PLANDECK, the stand-in at GUI.
lay_out() { mkdir -p "$(dirname "$2")" "$(dirname "$3")" && cp "$1" "$2" && cp "$tmp/stand-in" "$3"; }
installed="$tmp/home of \$user/.local/bin/plandeck"
lay_out "$1" "$installed" "$tmp/home of \$user/.local/libexec/plandeck/plandeck-gui"
lay_out "$1" "$tmp/build/plandeck" "$tmp/build/plandeck-gui"

# start ENV... PROGRAM ARGS...: runs PROGRAM from / with only ENV set; run:
# and it succeeds.
start() { rm -f "$tmp/log"; (cd / && env -i PATH=/usr/bin:/bin "$@") > "$tmp/out" 2>&1; }
run() { start "$@" || fail "$* failed: $(cat "$tmp/out")"; }
# expect_log LINE...: the window program ran and logged exactly these lines.
expect_log() {
    printf '%s\n' "$@" > "$tmp/want"
    cmp -s "$tmp/want" "$tmp/log" || fail "the window program saw: $(cat "$tmp/log" 2>&1), expected: $*"
}

# Installed, first start: the folder is made with data/, temp/ and the welcome marker.
home="$tmp/first/plandeck"
run PLANDECK_HOME="$home" XDG_DATA_HOME="$tmp/xdg" HOME="$tmp/user" "$installed"
folder_holds "$home" data ft.txt temp
[ ! -s "$home/ft.txt" ] || fail "ft.txt is not empty"
expect_log "folder:$home"
# A later start does not bring the welcome marker back; arguments pass unchanged.
rm "$home/ft.txt" && rmdir "$home/temp" && echo kept > "$home/keep.txt"
run PLANDECK_HOME="$home" "$installed" "two words" "" '$HOME'
folder_holds "$home" data keep.txt temp
expect_log "folder:$home" "arg:two words" "arg:" 'arg:$HOME'
# A reminder with nothing to show ends without the window program, but on the
# first start it shows the welcome.
run PLANDECK_HOME="$home" "$installed" remind
[ ! -e "$tmp/log" ] || fail "the window program ran"
run PLANDECK_HOME="$tmp/remind" "$installed" remind
folder_holds "$tmp/remind" data ft.txt temp
expect_log "folder:$tmp/remind" "arg:remind"
# The days ahead are looked up before the window program runs; wrong options
# end with status 2.
echo ahead > "$home/data/$(date -d '+2 days' +%F).txt"
run PLANDECK_HOME="$home" "$installed" remind --notify --days 1
[ ! -e "$tmp/log" ] || fail "the window program ran for a note beyond the days asked"
run PLANDECK_HOME="$home" "$installed" remind --days 2 --notify
expect_log "folder:$home" "arg:remind" "arg:--days" "arg:2" "arg:--notify"
start PLANDECK_HOME="$home" "$installed" remind --days 367
[ $? -eq 2 ] && [ ! -e "$tmp/log" ] || fail "remind --days 367 did not end with status 2"
# Without PLANDECK_HOME the folder is $XDG_DATA_HOME/plandeck; with a relative
# XDG_DATA_HOME, or none, it is ~/.local/share/plandeck; with no HOME it refuses.
run XDG_DATA_HOME="$tmp/xdg" HOME="$tmp/user" "$installed"
expect_log "folder:$tmp/xdg/plandeck"
run XDG_DATA_HOME=relative HOME="$tmp/user" "$installed"
expect_log "folder:$tmp/user/.local/share/plandeck"
start "$installed" && fail "plandeck ran without HOME"
[ ! -e "$tmp/log" ] || fail "the window program ran without HOME"
# Started through a link elsewhere it is still the installed one.
mkdir "$tmp/links" && ln -s "$installed" "$tmp/links/plandeck"
run PLANDECK_HOME="$tmp/linked" "$tmp/links/plandeck"
expect_log "folder:$tmp/linked"
# In a build folder it works in the current folder and makes nothing.
run PLANDECK_HOME="$tmp/unused" "$tmp/build/plandeck"
[ ! -e "$tmp/unused" ] || fail "the build folder's plandeck made PLANDECK_HOME"
expect_log "folder:/"

# --autostart on writes the login reminder, which starts this plandeck
# remind; off removes it, also when it is not there. (install_files.sh finds
# it in ~/.config/autostart without XDG_CONFIG_HOME.)
entry="$tmp/config/autostart/io.github.plandeck.Plandeck-remind.desktop"
run XDG_CONFIG_HOME="$tmp/config" HOME="$tmp/user" "$installed" --autostart on
desktop-file-validate "$entry" || fail "desktop-file-validate rejects the login reminder"
grep -qxF "Exec=$(exec_argument "$installed") remind" "$entry" && grep -qxF "TryExec=$installed" "$entry" \
    || fail "the login reminder does not start $installed remind: $(cat "$entry")"
run XDG_CONFIG_HOME="$tmp/config" "$installed" --autostart on --days 7 --notify
grep -qxF "Exec=$(exec_argument "$installed") remind --days 7 --notify" "$entry" \
    || fail "the login reminder does not take the options: $(cat "$entry")"
for _ in 1 2; do run XDG_CONFIG_HOME="$tmp/config" "$installed" --autostart off; done
[ ! -e "$entry" ] || fail "--autostart off left the entry"
# A build folder's plandeck does not start at login; other words are refused.
start HOME="$tmp/build-home" "$tmp/build/plandeck" --autostart on && fail "the build's plandeck took --autostart on"
[ ! -e "$tmp/build-home" ] || fail "a build folder's plandeck wrote an autostart entry"
start HOME="$tmp/user" "$installed" --autostart yes
[ $? -eq 2 ] || fail "--autostart yes did not end with status 2"
finish "front door"
