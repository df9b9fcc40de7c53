#!/bin/sh
# Runs one Windows program of the build under Wine, in the test state wine-prefix.sh prepared.
# Usage: wine-run.sh STATE PROGRAM [ARGUMENTS...] (CTest's emulator for the cross build)
set -eu
state=$(cd "${1:?usage: wine-run.sh STATE PROGRAM [ARGUMENTS...]}" && pwd) # Wine takes absolute paths only
shift
# ODBCSYSINI may name another ODBC set-up (wine-prefix.sh makes an empty one, STATE/no-odbc).
export WINEPREFIX=$state/prefix WINEDEBUG=-all ODBCSYSINI=${ODBCSYSINI:-$state/odbc} LOCPATH=$state/locales
export LD_PRELOAD=$state/wine_drive_paths.so${LD_PRELOAD:+:$LD_PRELOAD}
# The tests read Access files through mdbtools' ODBC driver in place of the Access driver; where
# the two differ, the tests ask for this (tests/language/language_files.h).
export LUMVIK_STAND_IN_ACCESS_DRIVER=mdbtools
exec wine "$@"
