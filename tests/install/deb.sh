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
build="$2"
for tool in dpkg-shlibdeps lintian appstreamcli; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is missing; the package is not checked"; exit 0; }
done

"$1" --config "$build/CPackConfig.cmake" -B "$tmp" > "$tmp/log" 2>&1 || fail "cpack failed: $(cat "$tmp/log")"
# cpack's install leaves a list of files that no `make uninstall` should use.
rm -f "$build/install_manifest.txt"
deb=$(ls "$tmp"/plandeck_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "$depends" | grep -Eq '(^|, )libc6 \(>= [0-9.]+\)' && echo "$depends" | grep -Eq '(^|, )fonts-liberation2(,|$)' \
    || fail "Depends is not computed: $depends"
lintian --pedantic --tag-display-limit 0 "$deb" 2>&1 | grep -v '^running with root' | tee "$tmp/lintian"
! grep -q '^[EW]:' "$tmp/lintian" || fail "lintian finds errors or warnings"

dpkg-deb -x "$deb" "$tmp/root"
appstreamcli validate --pedantic --no-net "$tmp/root/usr/share/metainfo/io.github.plandeck.Plandeck.metainfo.xml" \
    > "$tmp/log" 2>&1 || fail "appstreamcli validate rejects the metainfo: $(cat "$tmp/log")"
appstreamcli compose --origin=plandeck --result-root="$tmp/catalogue" "$tmp/root" > "$tmp/log" 2>&1 \
    && zcat "$tmp/catalogue/usr/share/swcatalog/xml/plandeck.xml.gz" | grep -q '<icon type="cached" width="128" height="128">' \
    || fail "appstreamcli compose failed or gave no 128x128 icon: $(cat "$tmp/log")"
finish "package"
