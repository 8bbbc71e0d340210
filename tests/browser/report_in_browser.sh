#!/bin/sh
# Opens a sample report in headless Chromium and compares the page the
# browser parsed (its DOM, serialised again) with expected_dom.html: every
# note character arrives as text, and no note adds an element or attribute.
# Exits 77 (skipped) when Chromium is not installed.
set -eu
writer="$1"
expected="$2"
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
diff "$expected" "$folder/dom.html"
