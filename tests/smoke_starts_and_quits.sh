#!/bin/sh
# Starts the built planner in an empty folder, lets it come up, asks it to
# quit with SIGTERM and expects a clean exit with status 0; then the same
# while the welcome message waits for the user.
set -u
program="$1"
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder" || exit 1

start_and_terminate() {
    "$program" &
    pid=$!
    sleep 2
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "$1: the planner did not stay up"
        exit 1
    fi
    kill -TERM "$pid"
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.5
    done
    if kill -0 "$pid" 2>/dev/null; then
        kill -KILL "$pid"
        echo "$1: still running 5 seconds after SIGTERM"
        exit 1
    fi
    wait "$pid"
    status=$?
    if [ "$status" -ne 0 ]; then
        echo "$1: exit status $status"
        exit 1
    fi
    echo "$1: started and quit cleanly"
}

start_and_terminate "month window"
: > ft.txt
start_and_terminate "welcome message"
