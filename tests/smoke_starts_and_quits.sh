#!/bin/sh
# Starts the built planner in an empty folder, lets it come up, asks it to
# quit with SIGTERM and expects a clean exit with status 0.
set -u
program="$1"
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder" || exit 1
"$program" &
pid=$!
sleep 2
if ! kill -0 "$pid" 2>/dev/null; then
    echo "the planner did not stay up"
    exit 1
fi
kill -TERM "$pid"
wait "$pid"
status=$?
if [ "$status" -ne 0 ]; then
    echo "exit status $status"
    exit 1
fi
echo "started and quit cleanly"
