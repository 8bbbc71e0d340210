#!/bin/sh
# Installs the build into temporary prefixes, as `make install` and the .deb
# do, and checks where every file lands and that the desktop entries and the
# AppStream metadata are valid.
# Usage: install_files.sh CMAKE BUILD_DIR SOURCE_DIR
# Checks read "[ A ] && [ B ] || fail ...": fail runs when either does not hold.
# shellcheck disable=SC2015
set -u
cmake="$1"
build="$2"
source="$3"
id=io.github.plandeck.Plandeck

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The files an install puts in place, relative to the prefix.
expected_files() {
    cat <<LIST
bin/plandeck
bin/plandeck-launcher
libexec/plandeck/plandeck-gui
share/applications/$id.desktop
share/icons/hicolor/48x48/apps/$id.png
share/metainfo/$id.metainfo.xml
share/plandeck/plandeck-remind.desktop
LIST
}

# check_install ROOT PREFIX: ROOT is where PREFIX's files were written (the
# prefix itself, or DESTDIR followed by the prefix).
check_install() {
    root="$1"
    prefix="$2"
    expected_files | sort > "$tmp/expected"
    # The manifest names the final paths, without DESTDIR.
    awk -v prefix="$prefix/" '{ print index($0, prefix) == 1 ? substr($0, length(prefix) + 1) : $0 }' \
        "$build/install_manifest.txt" | sort > "$tmp/manifest"
    if ! cmp -s "$tmp/expected" "$tmp/manifest"; then
        fail "install_manifest.txt does not list exactly the expected files:"
        diff "$tmp/expected" "$tmp/manifest"
    fi
    (cd "$root" && find . ! -type d | sed 's|^\./||' | sort) > "$tmp/found"
    if ! cmp -s "$tmp/expected" "$tmp/found"; then
        fail "the files under $root are not exactly the expected ones:"
        diff "$tmp/expected" "$tmp/found"
    fi

    for program in plandeck plandeck-launcher; do
        [ -f "$root/bin/$program" ] && [ -x "$root/bin/$program" ] \
            || fail "bin/$program is not an executable file"
    done
    [ -x "$root/libexec/plandeck/plandeck-gui" ] \
        || fail "libexec/plandeck/plandeck-gui is not an executable file"
    cmp -s "$source/scripts/plandeck-launcher" "$root/bin/plandeck-launcher" \
        || fail "bin/plandeck-launcher differs from scripts/plandeck-launcher"
    icon="$root/share/icons/hicolor/48x48/apps/$id.png"
    cmp -s "$source/windows/images/plandeck-48.png" "$icon" \
        || fail "the icon differs from windows/images/plandeck-48.png"
    [ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] \
        || fail "the icon is no PNG"
    cmp -s "$source/packaging/$id.metainfo.xml" "$root/share/metainfo/$id.metainfo.xml" \
        || fail "the installed metainfo differs from packaging/$id.metainfo.xml"
    [ ! -e "$root/etc" ] && [ ! -e "$root/share/autostart" ] \
        || fail "something was installed into autostart"

    for entry in "share/applications/$id.desktop" share/plandeck/plandeck-remind.desktop; do
        if ! desktop-file-validate "$root/$entry"; then
            fail "desktop-file-validate rejects $entry"
        fi
    done
}

# Exec= line the entries should have for a launcher at PATH, after desktop
# entry quoting.
exec_line() {
    case "$1" in
        *[!A-Za-z0-9_./+-]*)
            quoted=$(printf '%s' "$1" | sed 's/[\\"`$]/\\&/g; s/\\/\\\\/g')
            printf 'Exec="%s"%s\n' "$quoted" "$2" ;;
        *) printf 'Exec=%s%s\n' "$1" "$2" ;;
    esac
}

check_exec_lines() {
    root="$1"
    launcher="$2"
    line=$(grep '^Exec=' "$root/share/applications/$id.desktop")
    want=$(exec_line "$launcher" "")
    [ "$line" = "$want" ] || fail "menu entry has '$line', expected '$want'"
    line=$(grep '^Exec=' "$root/share/plandeck/plandeck-remind.desktop")
    want=$(exec_line "$launcher" " remind")
    [ "$line" = "$want" ] || fail "reminder entry has '$line', expected '$want'"
}

if ! command -v desktop-file-validate >/dev/null 2>&1; then
    echo "FAIL: desktop-file-validate is missing: sudo apt-get install desktop-file-utils"
    exit 1
fi

# The entries as kept in the source tree.
for entry in "$id.desktop" plandeck-remind.desktop; do
    desktop-file-validate "$source/packaging/$entry" \
        || fail "desktop-file-validate rejects packaging/$entry"
done
grep -qx 'Exec=plandeck-launcher' "$source/packaging/$id.desktop" \
    || fail "packaging/$id.desktop should start plandeck-launcher"
grep -qx 'Categories=Office;Calendar;' "$source/packaging/$id.desktop" \
    || fail "packaging/$id.desktop should be in Office and Calendar"
grep -qx "Icon=$id" "$source/packaging/$id.desktop" \
    || fail "packaging/$id.desktop should use the icon $id"
grep -qx 'Exec=plandeck-launcher remind' "$source/packaging/plandeck-remind.desktop" \
    || fail "packaging/plandeck-remind.desktop should start the reminder"

if command -v appstreamcli >/dev/null 2>&1; then
    appstreamcli validate --no-net "$source/packaging/$id.metainfo.xml" \
        || fail "appstreamcli rejects packaging/$id.metainfo.xml"
else
    echo "SKIP: appstreamcli is missing (package appstream); metainfo not validated"
fi

# 1. A per-user style install straight into a prefix, one whose path has a
# blank and a dollar sign, so the Exec= lines must be quoted.
prefix="$tmp/home of \$user/.local"
echo "== cmake --install --prefix $prefix"
if "$cmake" --install "$build" --prefix "$prefix" > "$tmp/log" 2>&1; then
    check_install "$prefix" "$prefix"
    check_exec_lines "$prefix" "$prefix/bin/plandeck-launcher"

    # The installed launcher runs the installed program next to it, even
    # when its folder is not on PATH. In an existing working folder without
    # the welcome marker and without notes for today, `remind` ends quietly
    # without a display.
    work="$tmp/work"
    mkdir -p "$work"
    if ! env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM PATH=/usr/bin:/bin \
        PLANDECK_HOME="$work" "$prefix/bin/plandeck-launcher" remind; then
        fail "the installed launcher did not run the installed program"
    fi
    [ -d "$work/data" ] && [ -d "$work/temp" ] && [ ! -e "$work/ft.txt" ] \
        || fail "the installed launcher did not prepare $work as expected"
else
    cat "$tmp/log"
    fail "cmake --install --prefix failed"
fi

# 2. A package build: prefix /usr, files written below DESTDIR.
stage="$tmp/stage"
echo "== DESTDIR=$stage cmake --install --prefix /usr"
if DESTDIR="$stage" "$cmake" --install "$build" --prefix /usr > "$tmp/log" 2>&1; then
    check_install "$stage/usr" /usr
    check_exec_lines "$stage/usr" /usr/bin/plandeck-launcher
    [ -z "$(find "$stage" -mindepth 1 -maxdepth 1 ! -name usr)" ] \
        || fail "files were written outside DESTDIR/usr"
else
    cat "$tmp/log"
    fail "DESTDIR install failed"
fi

rm -f "$build/install_manifest.txt"
if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all install checks passed"
