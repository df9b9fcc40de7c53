#!/bin/sh
# Runs one Windows program of the build under Wine, in the test state wine-prefix.sh prepared.
# Usage: wine-run.sh STATE PROGRAM [ARGUMENTS...] (CTest's emulator for the cross build)
set -eu
state=$(cd "${1:?usage: wine-run.sh STATE PROGRAM [ARGUMENTS...]}" && pwd) # Wine takes absolute paths only
shift
export WINEPREFIX=$state/prefix WINEDEBUG=-all LOCPATH=$state/locales
exec wine "$@"
