#!/usr/bin/env bash
# Makes the installer of packaging/installer.nsi from one flickmark.exe, with README.txt and LICENSE.txt in
# CRLF form (Notepad before Windows 10 shows LF-only text on one line). Used by scripts/package and by the
# end-to-end tests, which install the windows build's exe. makensis's output goes to OUTFILE.log.
#
# usage: packaging/make-installer.sh EXE VERSION OUTFILE
set -euo pipefail
if (($# != 3)); then
    sed -n '2,6p' "$0" | sed 's/^# \{0,1\}//' >&2
    exit 2
fi
exe=$(realpath "$1")
version=$2
outfile=$(realpath -m "$3")
root=$(cd "$(dirname "$0")/.." && pwd)
if [[ ! -f $exe ]]; then
    echo "make-installer: $exe is missing (build the windows preset first)" >&2
    exit 1
fi

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
sed 's/\r\{0,1\}$/\r/' "$root/packaging/README.txt" >"$stage/README.txt"
sed 's/\r\{0,1\}$/\r/' "$root/LICENSE" >"$stage/LICENSE.txt"

mkdir -p "$(dirname "$outfile")"
rm -f "$outfile"
if ! makensis -V2 \
    "-DVERSION=$version" \
    "-DEXE=$exe" \
    "-DREADME=$stage/README.txt" \
    "-DLICENSE=$stage/LICENSE.txt" \
    "-DICON=$root/src/app/flickmark.ico" \
    "-DSIDE_PICTURE=$root/packaging/side-picture.bmp" \
    "-DCHECK_BOXES=$root/packaging" \
    "-DOUTFILE=$outfile" \
    "$root/packaging/installer.nsi" >"$outfile.log" 2>&1; then
    cat "$outfile.log" >&2
    exit 1
fi
