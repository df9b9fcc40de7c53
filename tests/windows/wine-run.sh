#!/usr/bin/env bash
# Runs one Windows program of the build under Wine, in the test state wine-prefix.sh prepared.
# Usage: wine-run.sh STATE PROGRAM [ARGUMENTS...] (CTest's emulator for the cross build)
set -euo pipefail
state=${1:?usage: wine-run.sh STATE PROGRAM [ARGUMENTS...]}
shift
export WINEPREFIX=$state/prefix WINEDEBUG=-all ODBCSYSINI=$state/odbc
export LD_PRELOAD=$state/wine_drive_paths.so${LD_PRELOAD:+:$LD_PRELOAD}
exec wine "$@"
