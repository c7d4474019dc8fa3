#!/usr/bin/env bash
# The .deb as Debian would judge it: built with cpack from a finished build, it must pass lintian
# with no errors and no warnings (copyright, changelog, manual page, hardening, stripped binary,
# desktop entry, icons) and its AppStream metainfo must pass appstreamcli. Skipped (77) when
# lintian isn't installed.
#
# Usage: tst_package.sh BUILD_FOLDER
set -euo pipefail

build=${1:?usage: tst_package.sh BUILD_FOLDER}
command -v lintian >/dev/null || { echo "SKIP: lintian is not installed"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; echo "FAIL: cpack could not build the package" >&2; exit 1; }
deb=$(echo "$work"/plicora_*.deb)
[[ -f $deb ]] || { echo "FAIL: no package in $work" >&2; exit 1; }

status=0
lintian --fail-on error,warning --no-tag-display-limit "$deb" 2>/dev/null || {
    echo "FAIL: lintian" >&2
    status=1
}

dpkg-deb -x "$deb" "$work/root"
appstreamcli validate --no-net --pedantic "$work"/root/usr/share/metainfo/*.metainfo.xml || {
    echo "FAIL: appstreamcli" >&2
    status=1
}
exit $status
