#!/bin/sh
# Opens a generated report in headless Chromium and checks the parsed page.
# Exits 77 (skipped) when Chromium is not installed.
set -eu
writer="$1"
checker="$2"
browser=$(command -v chromium || command -v chromium-browser || true)
if [ -z "$browser" ]; then
    echo "chromium is not installed; skipped"
    exit 77
fi
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder"
report=$("$writer")
"$browser" --headless --no-sandbox --disable-gpu --disable-background-networking \
    --disable-component-update --disable-sync --no-first-run --disable-quic \
    --user-data-dir="$folder/profile" --dump-dom "file://$folder/$report" \
    2>"$folder/browser.log" > "$folder/dom.html" || { cat "$folder/browser.log"; exit 1; }
python3 "$checker" < "$folder/dom.html"
