#!/bin/sh
# Both programs without a display: --help and --version answer and succeed;
# a run that needs a window says so in one line and fails with status 1.
# Usage: commandline.sh PATH_TO_plandeck PATH_TO_plandeck-gui VERSION
# shellcheck source=tests/install/common.sh
. "$(dirname "$0")/common.sh"

for program in "$1" "$2"; do
    name=$(basename "$program")
    # bare ARGS...: the program in an empty folder with no display at all.
    bare() { (cd "$tmp" && env -i PATH=/usr/bin:/bin "$program" "$@") > "$tmp/out" 2> "$tmp/err"; }
    bare --help && grep -q -- "--autostart on|off" "$tmp/out" && grep -q "plandeck remind" "$tmp/out" \
        || fail "$name --help: $(cat "$tmp/out" "$tmp/err")"
    bare --version && [ "$(cat "$tmp/out")" = "Plandeck $3" ] || fail "$name --version: $(cat "$tmp/out")"
    for args in "" "--platform xcb" "something else"; do
        # shellcheck disable=SC2086
        bare $args; status=$?
        [ "$status" -eq 1 ] && [ "$(wc -l < "$tmp/err")" -eq 1 ] && grep -q "no display" "$tmp/err" \
            && [ ! -s "$tmp/out" ] || fail "$name $args: status $status, said: $(cat "$tmp/err")"
    done
done
finish commandline
