#!/bin/sh
# Runs a Windows program under Wine in a private prefix: wine-run.sh PREFIX PROGRAM [ARGS...]
# The prefix is created on first use, with the UI fonts mapped to an installed
# CJK font so Chinese text renders.
set -eu
mkdir -p "$1"
prefix=$(cd "$1" && pwd)
shift
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
(
    flock 9
    if [ ! -f "$prefix/.kelomed-ready" ]; then
        "$wine" wineboot -i >/dev/null 2>&1
        for face in "Microsoft YaHei UI" "Tahoma" "MS Shell Dlg" "MS Shell Dlg 2" "SimSun"; do
            "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
        done
        "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Consolas' /d 'WenQuanYi Micro Hei Mono' /f >/dev/null 2>&1
        /usr/lib/wine/wineserver -w
        touch "$prefix/.kelomed-ready"
    fi
) 9>"$prefix.lock"
exec "$wine" "$@"
