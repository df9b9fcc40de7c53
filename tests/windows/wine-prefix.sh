#!/usr/bin/env bash
# Prepares STATE (a folder of the build) for running Lumvik's Windows tests under Wine:
#   STATE/prefix               a Wine prefix, with German Windows' short date (Wine's own locale
#                              data give d.M.yyyy for German; Windows has dd.MM.yyyy) and Arial
#                              (Liberation Sans stands in for it)
#   STATE/locales              the German C locale Wine takes its regional settings from (LOCPATH)
# Usage: wine-prefix.sh STATE
set -euo pipefail
state=${1:?usage: wine-prefix.sh STATE}
mkdir -p "$state"
state=$(cd "$state" && pwd) # Wine takes absolute paths only

# Wine follows the C library's locale, so it needs one to follow; the machine's own locales stay
# as they are. The prefix is made under the locale the tests run with: Wine keeps the regional
# settings of one locale in the registry and starts them afresh when the locale changes.
mkdir -p "$state/locales"
[ -f "$state/locales/de_DE.UTF-8/LC_CTYPE" ] || localedef -i de_DE -f UTF-8 "$state/locales/de_DE.UTF-8"
in_wine=(env LOCPATH="$state/locales" WINEPREFIX="$state/prefix" WINEDEBUG=-all LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8)
if [ ! -f "$state/prefix/system.reg" ]; then
    "${in_wine[@]}" wine wineboot --init >/dev/null 2>&1
fi
"${in_wine[@]}" wine reg add 'HKCU\Control Panel\International' /v sShortDate /d dd.MM.yyyy /f >/dev/null 2>&1
# Windows' Arial, the windows' font, as the metric twin that Debian has (fonts-liberation).
"${in_wine[@]}" wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d 'Liberation Sans' /f >/dev/null 2>&1
"${in_wine[@]}" wineserver --wait
