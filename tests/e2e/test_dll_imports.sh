#!/bin/sh
# flickmark.exe must import, at load time, only libraries that Windows never looks for in the executable's
# own folder: otherwise a file of that name lying beside the exe (a Downloads folder is full of strangers)
# would run inside Flickmark before its first line. Libraries the program needs beyond these are loaded from
# the system folder where they are used. Needs the windows build and its objdump; no Wine, no display.
#
#   test_dll_imports.sh PATH/TO/flickmark.exe [OBJDUMP]
set -eu

exe=$1
objdump=${2:-x86_64-w64-mingw32-objdump}
if [ ! -f "$exe" ]; then
    echo "FAIL: $exe is missing (build the windows preset first)" >&2
    exit 1
fi
if ! command -v "$objdump" >/dev/null 2>&1; then
    echo "FAIL: $objdump is missing (install the mingw-w64 binutils)" >&2
    exit 1
fi

# The system's known DLLs (the KnownDLLs list of the session manager, the same on Windows 7 to 11 for
# these): the loader maps them from the system folder, whatever lies beside the executable.
known="advapi32.dll comdlg32.dll gdi32.dll imagehlp.dll imm32.dll kernel32.dll msctf.dll msvcrt.dll
normaliz.dll nsi.dll ole32.dll oleaut32.dll psapi.dll rpcrt4.dll sechost.dll setupapi.dll shell32.dll
shlwapi.dll user32.dll wldap32.dll ws2_32.dll"
# comctl32.dll is no known DLL, but the manifest's dependency on the common controls assembly has the loader
# take it from the system's side-by-side store, before any folder is searched; checked below. Names of API
# sets (api-ms-win-*) are resolved by the loader's own table, never found as files.

imports=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name:[[:space:]]*//p' | tr 'A-Z' 'a-z' | tr -d '\r')
if [ -z "$imports" ]; then
    echo "FAIL: no imports read from $exe" >&2
    exit 1
fi

status=0
for dll in $imports; do
    case " $(echo $known) " in
    *" $dll "*) continue ;;
    esac
    case "$dll" in
    api-ms-win-*) continue ;;
    comctl32.dll)
        if grep -a -q 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' "$exe"; then
            continue
        fi
        echo "FAIL: comctl32.dll is imported, but no manifest names the common controls assembly" >&2
        status=1
        continue
        ;;
    esac
    echo "FAIL: $exe imports $dll, which Windows may load from the executable's folder" >&2
    status=1
done
if [ "$status" -eq 0 ]; then
    echo "imports only system libraries:" $imports
fi
exit "$status"
