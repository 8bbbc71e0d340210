#!/bin/sh
# The built `plandeck` laid out as installed (window program in
# libexec/plandeck/) and as in a build folder (window program next to it),
# with a stand-in window program that records where it ran and with which
# arguments: the working folder, and the login reminder on and off.
# Usage: frontdoor.sh PATH_TO_plandeck
# shellcheck disable=SC2015
# shellcheck source=tests/install/common.sh
. "$(dirname "$0")/common.sh"
built="$1"

# lay_out PLANDECK GUI: copies the built plandeck to PLANDECK and puts the
# stand-in at GUI; the stand-in writes its folder and arguments to $tmp/log.
lay_out() {
    mkdir -p "$(dirname "$1")" "$(dirname "$2")"
    cp "$built" "$1"
    cat > "$2" <<FAKE
#!/bin/sh
{
    printf 'folder:%s\n' "\$(pwd -P)"
    for argument in "\$@"; do printf 'arg:%s\n' "\$argument"; done
} > "$tmp/log"
FAKE
    chmod +x "$2"
}
prefix="$tmp/home of \$user/.local"
installed="$prefix/bin/plandeck"
lay_out "$installed" "$prefix/libexec/plandeck/plandeck-gui"
lay_out "$tmp/build/plandeck" "$tmp/build/plandeck-gui"

# start ENV... -- PROGRAM ARGS...: runs PROGRAM from / with only ENV set.
start() {
    rm -f "$tmp/log"
    (cd / && env -i PATH=/usr/bin:/bin "$@") > "$tmp/out" 2>&1
}

# expect_log LINE...: the window program ran and logged exactly these lines.
expect_log() {
    printf '%s\n' "$@" > "$tmp/want"
    if ! cmp -s "$tmp/want" "$tmp/log" 2>/dev/null; then
        fail "the window program saw:"
        cat "$tmp/log" 2>/dev/null || echo "(it did not run)"
        echo "expected:"
        cat "$tmp/want"
    fi
}

echo "== installed, first start: the folder is made with data/, temp/ and the welcome marker"
start PLANDECK_HOME="$tmp/first/plandeck" XDG_DATA_HOME="$tmp/xdg" HOME="$tmp/user" \
    "$installed" || fail "plandeck failed: $(cat "$tmp/out")"
folder_holds "$tmp/first/plandeck" data ft.txt temp
[ ! -s "$tmp/first/plandeck/ft.txt" ] || fail "ft.txt is not empty"
expect_log "folder:$tmp/first/plandeck"

echo "== a later start does not bring the welcome marker back; arguments pass unchanged"
rm "$tmp/first/plandeck/ft.txt"
rmdir "$tmp/first/plandeck/temp"
echo kept > "$tmp/first/plandeck/keep.txt"
# shellcheck disable=SC2016
start PLANDECK_HOME="$tmp/first/plandeck" "$installed" "two words" "" '$HOME' \
    || fail "plandeck failed"
folder_holds "$tmp/first/plandeck" data keep.txt temp
# shellcheck disable=SC2016
expect_log "folder:$tmp/first/plandeck" "arg:two words" "arg:" 'arg:$HOME'

echo "== installed, a reminder with nothing to show ends without the window program"
start PLANDECK_HOME="$tmp/first/plandeck" "$installed" remind || fail "plandeck failed"
[ ! -e "$tmp/log" ] || fail "the window program ran"
echo "== ... but on the first start it shows the welcome"
start PLANDECK_HOME="$tmp/remind" "$installed" remind || fail "plandeck failed"
folder_holds "$tmp/remind" data ft.txt temp
expect_log "folder:$tmp/remind" "arg:remind"

echo "== without PLANDECK_HOME the folder is \$XDG_DATA_HOME/plandeck"
start XDG_DATA_HOME="$tmp/xdg" HOME="$tmp/user" "$installed" || fail "plandeck failed"
expect_log "folder:$tmp/xdg/plandeck"

echo "== with a relative XDG_DATA_HOME, or none, it is ~/.local/share/plandeck"
start XDG_DATA_HOME=relative HOME="$tmp/user" "$installed" || fail "plandeck failed"
folder_holds "$tmp/user/.local/share/plandeck" data ft.txt temp
expect_log "folder:$tmp/user/.local/share/plandeck"

echo "== with none of them it refuses"
start "$installed" && fail "plandeck ran without HOME"
[ ! -e "$tmp/log" ] || fail "the window program ran without HOME"

echo "== started through a link elsewhere it is still the installed one"
mkdir -p "$tmp/links"
ln -s "$installed" "$tmp/links/plandeck"
start PLANDECK_HOME="$tmp/linked" "$tmp/links/plandeck" || fail "plandeck failed"
expect_log "folder:$tmp/linked"

echo "== in a build folder it works in the current folder and makes nothing"
start PLANDECK_HOME="$tmp/unused" "$tmp/build/plandeck" || fail "plandeck failed"
[ ! -e "$tmp/unused" ] || fail "the build folder's plandeck made PLANDECK_HOME"
expect_log "folder:/"

echo "== --autostart on writes the login reminder, which starts this plandeck"
entry="$tmp/config/autostart/io.github.plandeck.Plandeck-remind.desktop"
start XDG_CONFIG_HOME="$tmp/config" HOME="$tmp/user" "$installed" --autostart on \
    || fail "--autostart on failed: $(cat "$tmp/out")"
desktop-file-validate "$entry" || fail "desktop-file-validate rejects the login reminder"
[ "$(grep '^Exec=' "$entry")" = "Exec=$(exec_argument "$installed") remind" ] \
    && grep -qxF "TryExec=$installed" "$entry" \
    || fail "the login reminder does not start $installed remind: $(cat "$entry")"
echo "== --autostart off removes it, also when it is not there"
for _ in 1 2; do
    start XDG_CONFIG_HOME="$tmp/config" "$installed" --autostart off || fail "--autostart off failed"
done
[ ! -e "$entry" ] || fail "--autostart off left the entry"
echo "== without XDG_CONFIG_HOME the entry is in ~/.config/autostart"
start HOME="$tmp/user" "$installed" --autostart on || fail "--autostart on failed"
[ -f "$tmp/user/.config/autostart/io.github.plandeck.Plandeck-remind.desktop" ] \
    || fail "no entry in ~/.config/autostart"
echo "== a build folder's plandeck does not start at login; other words are refused"
start HOME="$tmp/build-home" "$tmp/build/plandeck" --autostart on \
    && fail "a build folder's plandeck took --autostart on"
[ ! -e "$tmp/build-home" ] || fail "a build folder's plandeck wrote an autostart entry"
start HOME="$tmp/user" "$installed" --autostart yes
[ $? -eq 2 ] || fail "--autostart yes did not end with status 2"

finish "front door"
