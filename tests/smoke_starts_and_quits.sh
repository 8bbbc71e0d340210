#!/bin/sh
# The built programs as a user starts them, in an empty folder that is
# removed afterwards. A reminder run with nothing to show ends at once, with
# no display at all (the window program is never started). A normal start
# comes up and quits with status 0 on SIGTERM, also while the welcome
# message waits for the user.
set -u
frontdoor="$1"
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder" || exit 1

env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 "$frontdoor" remind ||
    { echo "remind with nothing to show: exit status $?"; exit 1; }

export QT_QPA_PLATFORM=offscreen
start_and_terminate() {
    "$frontdoor" &
    pid=$!
    sleep 2
    kill -0 "$pid" 2>/dev/null || { echo "$1: the planner did not stay up"; exit 1; }
    kill -TERM "$pid"
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        kill -0 "$pid" 2>/dev/null && sleep 0.5
    done
    if kill -0 "$pid" 2>/dev/null; then
        kill -KILL "$pid"
        echo "$1: still running 5 seconds after SIGTERM"
        exit 1
    fi
    wait "$pid" || { echo "$1: exit status $?"; exit 1; }
    echo "$1: started and quit cleanly"
}

start_and_terminate "month window"
: > ft.txt
start_and_terminate "welcome message"
