#!/bin/sh
# Packs the build as `make deb` does and checks the package as a Debian
# archive and a software centre would: lintian --pedantic with no error and
# no warning, the AppStream metadata valid and composed with an icon, and the
# dependencies computed with their versions. Skipped when the tools are
# missing (scripts/setup-deps test installs them).
# Usage: deb.sh CPACK BUILD_DIR
# shellcheck disable=SC2015
# shellcheck source=tests/install/common.sh
. "$(dirname "$0")/common.sh"
cpack="$1"
build="$2"

for tool in dpkg-shlibdeps lintian appstreamcli; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is missing; the package is not checked"
        exit 0
    fi
done

if ! "$cpack" --config "$build/CPackConfig.cmake" -B "$tmp" > "$tmp/log" 2>&1; then
    cat "$tmp/log"
    fail "cpack failed"
fi
# cpack's install leaves a list of files that no `make uninstall` should use.
rm -f "$build/install_manifest.txt"
deb=$(ls "$tmp"/plandeck_*.deb)

dpkg-deb -f "$deb" Depends | grep -Eq '(^|, )libc6 \(>= [0-9.]+\)' && \
    dpkg-deb -f "$deb" Depends | grep -Eq '(^|, )fonts-liberation2(,|$)' \
    || fail "Depends is not computed: $(dpkg-deb -f "$deb" Depends)"

lintian --pedantic --tag-display-limit 0 "$deb" 2>&1 | grep -v '^running with root' > "$tmp/lintian"
if grep -q '^[EW]:' "$tmp/lintian"; then
    fail "lintian finds errors or warnings"
fi
cat "$tmp/lintian"

dpkg-deb -x "$deb" "$tmp/root"
metainfo="$tmp/root/usr/share/metainfo/io.github.plandeck.Plandeck.metainfo.xml"
appstreamcli validate --pedantic --no-net "$metainfo" > "$tmp/log" 2>&1 \
    || fail "appstreamcli validate rejects the metainfo: $(cat "$tmp/log")"
appstreamcli compose --origin=plandeck --result-root="$tmp/catalogue" "$tmp/root" \
    > "$tmp/log" 2>&1 || fail "appstreamcli compose failed: $(cat "$tmp/log")"
zcat "$tmp/catalogue/usr/share/swcatalog/xml/plandeck.xml.gz" 2>/dev/null \
    | grep -q '<icon type="cached" width="128" height="128">' \
    || fail "the composed catalogue has no 128x128 icon: $(cat "$tmp/log")"

finish "package"
