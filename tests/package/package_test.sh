#!/usr/bin/env bash
# Builds the Debian package, checks it with lintian and the desktop validators,
# unpacks it into a temporary root and starts the unpacked program through its
# bin/ link: its start page must offer the sample word lists.
# Usage: package_test.sh BUILD_DIR SAMPLE_WORDS_DIR START_PAGE_PROBE
set -euo pipefail
build=$1
sample=$2
probe=$3
work=$(mktemp -d /tmp/lumble-package-XXXXXX)
trap 'rm -rf "$work"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null
deb=$(ls "$work"/out/*.deb)
lintian --fail-on error "$deb" 2>/dev/null
dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/lumble.desktop"
appstreamcli validate --no-net --pedantic "$work/root/usr/share/metainfo/"*.metainfo.xml >/dev/null

# The probe reports the start page from inside the program and then quits it;
# the timeout only guards against a program that never shows its window.
LD_PRELOAD="$probe" QT_QPA_PLATFORM=offscreen timeout 60 "$work/root/usr/bin/lumble" \
    >"$work/shown" 2>"$work/stderr" && status=0 || status=$?
if [[ $status -ne 0 ]]; then
    echo "the unpacked program ended with status $status:"; cat "$work/stderr"; exit 1
fi

# Start page shown, first row selected, and one row per visible entry of the sample library.
{
    echo "page 0"
    echo "selected 0"
    find "$sample" -mindepth 1 -maxdepth 1 ! -name '.*' -printf 'list %f\n' | LC_ALL=C sort
} >"$work/expected_shown"
{ head -n 2 "$work/shown"; tail -n +3 "$work/shown" | LC_ALL=C sort; } >"$work/actual_shown"
if ! diff -u "$work/expected_shown" "$work/actual_shown"; then
    echo "the unpacked program does not show the sample word lists on its start page"; exit 1
fi
echo "package $(basename "$deb"): lintian and validators pass; started through usr/bin/lumble, the start page offers:"
tail -n +3 "$work/shown"
