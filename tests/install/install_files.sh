#!/bin/sh
# Installs the build as `make install` and the .deb do and checks where every
# file lands; then installs for a fresh user with the default prefix, starts
# the menu entry's command from / and takes it all away with `make uninstall`.
# Usage: install_files.sh CMAKE BUILD_DIR SOURCE_DIR
# shellcheck disable=SC2015
# shellcheck source=tests/install/common.sh
. "$(dirname "$0")/common.sh"
cmake="$1" build="$2" source="$3" id=io.github.plandeck.Plandeck sizes="16 24 32 48 64 128 256"
command -v desktop-file-validate >/dev/null || { echo "FAIL: needs desktop-file-utils"; exit 1; }
# The lists of a previous install from this build folder would be mixed in.
rm -f "$build/install_manifest.txt" "$build/install_folders.txt"

# install ROOT PREFIX [ENV...]: installs into PREFIX, its files written below
# ROOT (the prefix itself, or DESTDIR followed by the prefix), and checks them.
install() {
    root="$1" prefix="$2" && shift 2
    env "$@" "$cmake" --install "$build" --prefix "$prefix" > "$tmp/log" 2>&1 || fail "install failed: $(cat "$tmp/log")"
    { printf '%s\n' bin/plandeck libexec/plandeck/plandeck-gui "share/applications/$id.desktop" \
        share/doc/plandeck/changelog.gz share/doc/plandeck/copyright "share/icons/hicolor/scalable/apps/$id.svg" \
        share/man/man1/plandeck.1.gz "share/metainfo/$id.metainfo.xml"
      for size in $sizes; do echo "share/icons/hicolor/${size}x$size/apps/$id.png"; done; } | sort > "$tmp/expected"
    # The manifest names the final paths, without DESTDIR.
    sed "s|^$prefix/||" "$build/install_manifest.txt" | sort > "$tmp/manifest"
    (cd "$root" && find . ! -type d | sed 's|^\./||' | sort) > "$tmp/found"
    for list in manifest found; do diff "$tmp/expected" "$tmp/$list" > "$tmp/diff" || fail "$list: not the expected files: $(cat "$tmp/diff")"; done
    [ -x "$root/bin/plandeck" ] && [ -x "$root/libexec/plandeck/plandeck-gui" ] || fail "the programs are not executable"
    for size in $sizes; do
        icon="$root/share/icons/hicolor/${size}x$size/apps/$id.png"
        cmp -s "$source/packaging/icons/plandeck-$size.png" "$icon" \
            && [ "$(od -An -tu4 --endian=big -j16 -N8 "$icon" | tr -s ' ')" = " $size $size" ] || fail "no ${size}x$size icon"
    done
    desktop-file-validate "$root/share/applications/$id.desktop" || fail "desktop-file-validate rejects the menu entry"
    grep -qxF "Exec=$(exec_argument "$prefix/bin/plandeck")" "$root/share/applications/$id.desktop" || fail "menu Exec"
    # One id names the desktop entry, the metainfo and, for Wayland, the
    # window program (a string of its own there, between two NUL bytes).
    grep -qF "<id>$id</id>" "$root/share/metainfo/$id.metainfo.xml" \
        && grep -qF "<launchable type=\"desktop-id\">$id.desktop<" "$root/share/metainfo/$id.metainfo.xml" \
        && LC_ALL=C grep -qaxzF "$id" "$root/libexec/plandeck/plandeck-gui" || fail "the id is not $id everywhere"
}

# A package build: prefix /usr, files written below DESTDIR only, no folders
# noted for removal.
install "$tmp/stage/usr" /usr DESTDIR="$tmp/stage"
[ "$(ls -A "$tmp/stage")" = usr ] && [ ! -e "$build/install_folders.txt" ] || fail "a staged install wrote outside"
rm -f "$build/install_manifest.txt"

# A fresh user whose home needs quoting in Exec=: make install's default
# prefix; the menu entry's command started from / as a desktop does (on the
# headless platform a first start waits at the welcome message) works in the
# working folder; then make uninstall leaves the notes and another install's
# autostart entry only.
home="$tmp/home of \$user"
mkdir "$home"
install "$home/.local" "$home/.local" HOME="$home"
(cd / && HOME="$home" XDG_CACHE_HOME="$tmp/cache" QT_QPA_PLATFORM=offscreen exec "$home/.local/bin/plandeck") \
    > "$tmp/log" 2>&1 &
pid=$! work="$home/.local/share/plandeck"
# Until the window program runs and has its SIGTERM handler (bit 14 of SigCgt).
for _ in $(seq 100); do
    mask=$(sed -n 's/^SigCgt:\s*/0x/p' "/proc/$pid/status")
    [ "$(readlink "/proc/$pid/exe")" = "$home/.local/libexec/plandeck/plandeck-gui" ] && [ $((${mask:-0} & 0x4000)) -ne 0 ] \
        && break || sleep 0.1
done
[ "$(readlink "/proc/$pid/cwd")" = "$work" ] || fail "the menu entry's command is not in $work"
folder_holds "$work" data ft.txt temp
kill -TERM "$pid"
wait "$pid" || fail "the window program ended with status $?: $(cat "$tmp/log")"
HOME="$home" "$home/.local/bin/plandeck" --autostart on > /dev/null || fail "--autostart on failed"
printf '[Desktop Entry]\nTryExec=/usr/bin/plandeck\n' > "$home/.config/autostart/other.desktop"
HOME="$home" make -s --no-print-directory -C "$source" uninstall INSTALL_BUILD="$build" > "$tmp/log" 2>&1 \
    || fail "make uninstall failed: $(cat "$tmp/log")"
(cd "$home" && find . -path './.local/share/plandeck/*' -prune -o -print | LC_ALL=C sort) > "$tmp/left"
printf '%s\n' . ./.config ./.config/autostart ./.config/autostart/other.desktop ./.local ./.local/share \
    ./.local/share/plandeck | diff - "$tmp/left" > "$tmp/diff" || fail "make uninstall left: $(cat "$tmp/diff")"
rm -f "$build/install_manifest.txt" "$build/install_folders.txt"
finish "install"
