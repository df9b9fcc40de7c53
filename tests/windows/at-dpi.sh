#!/usr/bin/env bash
# Runs a Windows test program under Wine as on a 1366x768 laptop screen at DPI dots per inch
# (144 = 150 %, 192 = 200 %), on a virtual display of that size of its own. Wine's server takes
# the desktop's size from the display it starts on, so it is started anew for it and afterwards.
# Usage: at-dpi.sh STATE DPI PROGRAM [ARGUMENTS...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
state=$(cd "${1:?usage: at-dpi.sh STATE DPI PROGRAM [ARGUMENTS...]}" && pwd)
dpi=${2:?usage: at-dpi.sh STATE DPI PROGRAM [ARGUMENTS...]}
shift 2
if [ -z "${LUMVIK_ON_LAPTOP_SCREEN:-}" ]; then
    exec env LUMVIK_ON_LAPTOP_SCREEN=1 xvfb-run -a -s "-screen 0 1366x768x24 -dpi 96" "$0" "$state" "$dpi" "$@"
fi
export WINEPREFIX=$state/prefix WINEDEBUG=-all
restart_server() { wineserver -k 2>/dev/null || true; wineserver -w; }
set_dpi() { wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1; }
restart_server
set_dpi "$dpi"
status=0
"$here/wine-run.sh" "$state" "$@" || status=$?
set_dpi 96
restart_server
exit $status
