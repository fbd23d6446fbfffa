#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root and starts the
# unpacked program through its bin/ link: it must find its sample library.
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d /tmp/lumble-package-XXXXXX)
trap 'rm -rf "$work"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null
deb=$(ls "$work"/out/*.deb)
dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/lumble.desktop"
appstreamcli validate --no-net --pedantic "$work/root/usr/share/metainfo/"*.metainfo.xml >/dev/null

for list in Animals Food Sentences; do
    [[ -d "$work/root/usr/lib/lumble/words/$list" ]] || { echo "the sample list $list is not reachable"; exit 1; }
done

# The program says on stderr when it finds no word list; here it must stay quiet and keep running.
QT_QPA_PLATFORM=offscreen timeout 4 "$work/root/usr/bin/lumble" 2>"$work/stderr" && status=0 || status=$?
if [[ $status -ne 124 ]]; then
    echo "the unpacked program ended early with status $status:"; cat "$work/stderr"; exit 1
fi
if grep -q "No word" "$work/stderr"; then
    echo "the unpacked program did not find its sample library:"; cat "$work/stderr"; exit 1
fi
echo "package $(basename "$deb"): unpacked, started through usr/bin/lumble, found its sample word lists"
