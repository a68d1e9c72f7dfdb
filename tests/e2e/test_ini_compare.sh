#!/bin/sh
# Compares our INI reader with the platform's profile functions (GetPrivateProfileStringW under Wine) on the
# tricky files in ini_cases/ and on generated large ones (long values, a section list far above 16 KB).
# Needs no display. A private Wine prefix is made under the work folder and removed afterwards; a work folder
# the script made itself (under /tmp) is removed too when everything matched.
#
#   test_ini_compare.sh PATH/TO/ini_compare.exe [WORK_FOLDER]
set -eu

exe=$1
cases_dir=$(cd "$(dirname "$0")/ini_cases" && pwd)
work=${2:-}
own_work=no
if [ -z "$work" ]; then
    work=$(mktemp -d /tmp/flickmark-ini-compare.XXXXXX)
    own_work=yes
fi
if [ ! -f "$exe" ]; then
    echo "FAIL: $exe is missing (build the windows preset first)" >&2
    exit 1
fi

export WINEPREFIX="$work/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
unset DISPLAY WAYLAND_DISPLAY || true

status=1
cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    rm -rf "$WINEPREFIX" || true
    if [ "$status" -eq 0 ] && [ "$own_work" = yes ]; then
        rm -rf "$work" || true
    fi
}
trap cleanup EXIT INT TERM

rm -rf "$work/cases" "$WINEPREFIX"
mkdir -p "$work/cases"
cp "$cases_dir"/*.ini "$cases_dir"/*.probe "$work/cases/"
cp "$cases_dir"/*.known "$work/cases/"

python3 - "$work/cases" <<'PY'
import sys
folder = sys.argv[1]
with open(folder + "/large.ini", "wb") as f:
    f.write(b"[long]\r\nvalue=" + b"0123456789" * 1000 + b"\r\nafter=short\r\n")
    for i in range(3000):
        f.write(b"[section number %d]\r\nk=%d\r\n" % (i, i))
PY

wineboot -i >/dev/null 2>&1
wineserver -w

status=0
wine "$exe" --out "$work/report.txt" "$work"/cases/*.ini || status=$?
if [ -f "$work/report.txt" ]; then
    grep -a -v '^same ' "$work/report.txt" || true
    echo "($(grep -a -c '^same ' "$work/report.txt") answers equal)"
    if [ "$status" -ne 0 ]; then
        echo "full report: $work/report.txt"
    fi
else
    echo "FAIL: no report written" >&2
    status=1
fi
exit "$status"
