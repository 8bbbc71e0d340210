#!/bin/sh
# The launcher's working folder set-up and how it finds the program, with a
# stand-in program that records where it ran and with which arguments.
# Usage: launcher_folder.sh PATH_TO_plandeck-launcher
# Checks read "[ A ] && [ B ] || fail ...": fail runs when either does not hold.
# shellcheck disable=SC2015
set -u
launcher="$1"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
tmp=$(cd "$tmp" && pwd -P)
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The stand-in writes its own path, its working folder and one line per
# argument to $tmp/log.
make_fake() {
    mkdir -p "$(dirname "$1")"
    cat > "$1" <<FAKE
#!/bin/sh
{
    printf 'program:%s\n' "\$0"
    printf 'folder:%s\n' "\$(pwd -P)"
    for argument in "\$@"; do printf 'arg:%s\n' "\$argument"; done
} > "$tmp/log"
FAKE
    chmod +x "$1"
}

fake="$tmp/bin/fake-plandeck"
make_fake "$fake"
unset PLANDECK_HOME XDG_DATA_HOME

# expect_log LINE...: the log holds exactly these lines.
expect_log() {
    printf '%s\n' "$@" > "$tmp/want"
    if ! cmp -s "$tmp/want" "$tmp/log"; then
        fail "the program saw:"
        cat "$tmp/log"
        echo "expected:"
        cat "$tmp/want"
    fi
    rm -f "$tmp/log"
}

echo "== first start makes the folder with data/, temp/ and the welcome marker"
home="$tmp/first/plandeck"
PLANDECK_HOME="$home" sh "$launcher" "$fake" || fail "launcher failed"
[ -d "$home/data" ] || fail "data/ is missing"
[ -d "$home/temp" ] || fail "temp/ is missing"
[ -f "$home/ft.txt" ] && [ ! -s "$home/ft.txt" ] || fail "ft.txt is not an empty file"
expect_log "program:$fake" "folder:$home"

echo "== a later start does not bring the welcome marker back; remind passes"
rm "$home/ft.txt"
PLANDECK_HOME="$home" sh "$launcher" "$fake" remind || fail "launcher failed"
[ ! -e "$home/ft.txt" ] || fail "ft.txt was made again"
expect_log "program:$fake" "folder:$home" "arg:remind"

echo "== an existing folder gets missing data/ and temp/, no welcome marker"
home="$tmp/existing"
mkdir -p "$home"
echo "kept" > "$home/keep.txt"
PLANDECK_HOME="$home" sh "$launcher" "$fake" || fail "launcher failed"
[ -d "$home/data" ] && [ -d "$home/temp" ] || fail "data/ or temp/ is missing"
[ ! -e "$home/ft.txt" ] || fail "ft.txt was made in an existing folder"
[ "$(cat "$home/keep.txt")" = kept ] || fail "a file in the folder was changed"
expect_log "program:$fake" "folder:$home"

echo "== arguments pass unchanged"
PLANDECK_HOME="$home" sh "$launcher" "$fake" "two words" "" '$HOME' || fail "launcher failed"
# shellcheck disable=SC2016
expect_log "program:$fake" "folder:$home" "arg:two words" "arg:" 'arg:$HOME'

echo "== without PLANDECK_HOME the folder is \$XDG_DATA_HOME/plandeck"
XDG_DATA_HOME="$tmp/xdg" sh "$launcher" "$fake" || fail "launcher failed"
[ -f "$tmp/xdg/plandeck/ft.txt" ] || fail "\$XDG_DATA_HOME/plandeck was not made"
expect_log "program:$fake" "folder:$tmp/xdg/plandeck"

echo "== without either it is ~/.local/share/plandeck"
HOME="$tmp/user" sh "$launcher" "$fake" || fail "launcher failed"
[ -d "$tmp/user/.local/share/plandeck/data" ] || fail "\$HOME/.local/share/plandeck was not made"
expect_log "program:$fake" "folder:$tmp/user/.local/share/plandeck"

echo "== a relative program path is taken from where the launcher was started"
(cd "$tmp" && PLANDECK_HOME="$tmp/relative" sh "$launcher" bin/fake-plandeck remind) \
    || fail "launcher failed"
expect_log "program:$tmp/bin/fake-plandeck" "folder:$tmp/relative" "arg:remind"

echo "== installed: the program next to the launcher, when not on PATH"
mkdir -p "$tmp/prefix/bin"
cp "$launcher" "$tmp/prefix/bin/plandeck-launcher"
chmod +x "$tmp/prefix/bin/plandeck-launcher"
make_fake "$tmp/prefix/bin/plandeck"
PATH=/usr/bin:/bin PLANDECK_HOME="$tmp/installed" "$tmp/prefix/bin/plandeck-launcher" remind \
    || fail "launcher failed"
expect_log "program:$tmp/prefix/bin/plandeck" "folder:$tmp/installed" "arg:remind"

echo "== installed, started through a link to the launcher"
mkdir -p "$tmp/links"
ln -s "$tmp/prefix/bin/plandeck-launcher" "$tmp/links/plandeck-launcher"
PATH=/usr/bin:/bin PLANDECK_HOME="$tmp/installed" "$tmp/links/plandeck-launcher" \
    || fail "launcher failed"
expect_log "program:$tmp/prefix/bin/plandeck" "folder:$tmp/installed"

echo "== installed, found through PATH"
PATH="$tmp/prefix/bin:/usr/bin:/bin" PLANDECK_HOME="$tmp/installed" plandeck-launcher remind \
    || fail "launcher failed"
expect_log "program:$tmp/prefix/bin/plandeck" "folder:$tmp/installed" "arg:remind"

echo "== no program next to the launcher: plandeck from PATH"
mkdir -p "$tmp/path"
make_fake "$tmp/path/plandeck"
PATH="$tmp/path:/usr/bin:/bin" PLANDECK_HOME="$tmp/from-path" sh "$launcher" remind \
    || fail "launcher failed"
expect_log "program:$tmp/path/plandeck" "folder:$tmp/from-path" "arg:remind"

echo "== remind is never taken for the program, even as a file here"
make_fake "$tmp/here/remind"
(cd "$tmp/here" && PATH="$tmp/path:/usr/bin:/bin" PLANDECK_HOME="$tmp/from-path" \
    sh "$launcher" remind) || fail "launcher failed"
expect_log "program:$tmp/path/plandeck" "folder:$tmp/from-path" "arg:remind"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all launcher checks passed"
