#!/bin/sh
# Installs the build as `make install` and the .deb do and checks where every
# file lands; then installs for a fresh user with the default prefix, starts
# the menu entry's command from / and takes it all away with `make uninstall`.
# Usage: install_files.sh CMAKE BUILD_DIR SOURCE_DIR
# shellcheck disable=SC2015
# shellcheck source=tests/install/common.sh
. "$(dirname "$0")/common.sh"
cmake="$1"
build="$2"
source="$3"
id=io.github.plandeck.Plandeck
sizes="16 24 32 48 64 128 256"

if ! command -v desktop-file-validate >/dev/null 2>&1; then
    echo "FAIL: desktop-file-validate is missing: sudo apt-get install desktop-file-utils"
    exit 1
fi
# The lists of a previous install from this build folder would be mixed in.
forget_installs() {
    rm -f "$build/install_manifest.txt" "$build/install_folders.txt"
}
forget_installs

# The files an install puts in place, relative to the prefix.
expected_files() {
    cat <<LIST
bin/plandeck
libexec/plandeck/plandeck-gui
share/applications/$id.desktop
share/doc/plandeck/changelog.gz
share/doc/plandeck/copyright
share/icons/hicolor/scalable/apps/$id.svg
share/man/man1/plandeck.1.gz
share/metainfo/$id.metainfo.xml
LIST
    for size in $sizes; do echo "share/icons/hicolor/${size}x$size/apps/$id.png"; done
}

# check_install ROOT PREFIX: ROOT is where PREFIX's files were written (the
# prefix itself, or DESTDIR followed by the prefix).
check_install() {
    root="$1"
    expected_files | sort > "$tmp/expected"
    # The manifest names the final paths, without DESTDIR.
    awk -v prefix="$2/" '{ print index($0, prefix) == 1 ? substr($0, length(prefix) + 1) : $0 }' \
        "$build/install_manifest.txt" | sort > "$tmp/manifest"
    (cd "$root" && find . ! -type d | sed 's|^\./||' | sort) > "$tmp/found"
    for list in manifest found; do
        cmp -s "$tmp/expected" "$tmp/$list" || fail "$list: not the expected files:
$(diff "$tmp/expected" "$tmp/$list")"
    done

    [ -x "$root/bin/plandeck" ] && [ -x "$root/libexec/plandeck/plandeck-gui" ] \
        || fail "the programs are not executable"
    for size in $sizes; do
        icon="$root/share/icons/hicolor/${size}x$size/apps/$id.png"
        cmp -s "$source/packaging/icons/plandeck-$size.png" "$icon" \
            && [ "$(od -An -tu4 --endian=big -j16 -N8 "$icon" | tr -s ' ')" = " $size $size" ] \
            || fail "the ${size}x$size icon is not packaging/icons/plandeck-$size.png of that size"
    done
    desktop-file-validate "$root/share/applications/$id.desktop" \
        || fail "desktop-file-validate rejects the menu entry"
    # One id names the desktop entry, the metainfo and, for Wayland, the
    # window program (a string of its own there, between two NUL bytes).
    grep -qF "<id>$id</id>" "$root/share/metainfo/$id.metainfo.xml" \
        && grep -qF "<launchable type=\"desktop-id\">$id.desktop<" "$root/share/metainfo/$id.metainfo.xml" \
        || fail "the metainfo does not name $id"
    LC_ALL=C grep -qaxzF "$id" "$root/libexec/plandeck/plandeck-gui" \
        || fail "plandeck-gui does not give $id as its desktop file name"
}

# menu_exec ROOT PROGRAM: the menu entry starts PROGRAM.
menu_exec() {
    line=$(grep '^Exec=' "$1/share/applications/$id.desktop")
    [ "$line" = "Exec=$(exec_argument "$2")" ] || fail "menu entry has '$line' for $2"
}

echo "== a prefix whose path needs quoting in Exec="
prefix="$tmp/home of \$user/.local"
if "$cmake" --install "$build" --prefix "$prefix" > "$tmp/log" 2>&1; then
    check_install "$prefix" "$prefix"
    menu_exec "$prefix" "$prefix/bin/plandeck"
else
    fail "cmake --install --prefix failed: $(cat "$tmp/log")"
fi
forget_installs

echo "== a package build: prefix /usr, files written below DESTDIR"
stage="$tmp/stage"
if DESTDIR="$stage" "$cmake" --install "$build" --prefix /usr > "$tmp/log" 2>&1; then
    check_install "$stage/usr" /usr
    menu_exec "$stage/usr" /usr/bin/plandeck
    [ "$(ls -A "$stage")" = usr ] || fail "files were written outside DESTDIR/usr"
    [ ! -e "$build/install_folders.txt" ] || fail "a staged install noted folders to remove"
else
    fail "DESTDIR install failed: $(cat "$tmp/log")"
fi
forget_installs

echo "== a fresh user: make install's default prefix, the menu entry, make uninstall"
home="$tmp/fresh"
mkdir "$home"
# The default of make install's PREFIX; the folders around it are noted too.
if HOME="$home" "$cmake" --install "$build" --prefix "$home/.local" > "$tmp/log" 2>&1; then
    command=$(sed -n 's/^Exec=//p' "$home/.local/share/applications/$id.desktop")
    # As a desktop starts it: from /, here on the headless platform; a first
    # start waits at the welcome message.
    (cd / && HOME="$home" XDG_CACHE_HOME="$tmp/cache" QT_QPA_PLATFORM=offscreen \
        exec "$command") > "$tmp/log" 2>&1 &
    pid=$!
    for _ in $(seq 100); do
        [ "$(readlink "/proc/$pid/exe")" = "$home/.local/libexec/plandeck/plandeck-gui" ] && break
        sleep 0.1
    done
    work="$home/.local/share/plandeck"
    [ "$(readlink "/proc/$pid/cwd")" = "$work" ] || fail "the menu entry's command is not in $work"
    folder_holds "$work" data ft.txt temp
    kill -TERM "$pid"
    wait "$pid" || fail "the window program ended with status $?: $(cat "$tmp/log")"

    HOME="$home" "$home/.local/bin/plandeck" --autostart on > /dev/null \
        || fail "--autostart on failed"
    printf '[Desktop Entry]\nTryExec=/usr/bin/plandeck\n' > "$home/.config/autostart/other.desktop"
    HOME="$home" make -s --no-print-directory -C "$source" uninstall INSTALL_BUILD="$build" \
        > "$tmp/log" 2>&1 || fail "make uninstall failed: $(cat "$tmp/log")"
    # Left: the notes, and the autostart entry of another install.
    (cd "$home" && find . -path './.local/share/plandeck/*' -prune -o -print | LC_ALL=C sort) \
        > "$tmp/left"
    printf '%s\n' . ./.config ./.config/autostart ./.config/autostart/other.desktop \
        ./.local ./.local/share ./.local/share/plandeck > "$tmp/expected"
    cmp -s "$tmp/expected" "$tmp/left" || fail "make uninstall left:
$(diff "$tmp/expected" "$tmp/left")"
else
    fail "cmake --install --prefix ~/.local failed: $(cat "$tmp/log")"
fi
forget_installs

finish "install"
