#!/usr/bin/env bash
# usage: bash scripts/run.sh [TOOL_ID]
# Builds the program of one tool and runs it; with no id, the home program
# (kelomed, 病区计算工具), which lists every tool and opens each, all of them
# built. With an X display, the Windows program opens its window under Wine
# (a private prefix in build/windows/wine, with the Chinese UI fonts
# mapped); without one, the native self-test runs instead and its report is
# printed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

id=${1:-}
if [ -z "$id" ]; then
    program=kelomed
elif ! [[ "$id" =~ ^[0-9]{1,3}$ ]] || ! grep -Eq "^KELOMED_(INFUSION_)?TOOL\($((10#$id)), " tools/tool_list.h; then
    echo "no tool '$id'; the suite's tools are:" >&2
    sed -En 's/^KELOMED_(INFUSION_)?TOOL\(([0-9]*), (.*)\)$/  \2  (tools\/\3.cpp)/p' tools/tool_list.h >&2
    exit 2
else
    program=$(printf 'kelomed-t%03d' "$((10#$id))")
fi
bash scripts/install-deps.sh

if [ -n "${DISPLAY:-}" ]; then
    cmake --preset windows >/dev/null
    # The home opens the tools' programs beside it: they are all built.
    if [ "$program" = kelomed ]; then
        cmake --build --preset windows >/dev/null
    else
        cmake --build --preset windows --target "$program" >/dev/null
    fi
    exec cmake/wine-run.sh build/windows/wine "build/windows/bin/$program.exe"
fi

echo "No X display (DISPLAY is not set): running the self-test instead of opening the window."
cmake --preset native >/dev/null
cmake --build --preset native --target "$program" >/dev/null
report="$root/build/selftest-${program}.txt"
status=0
"build/native/bin/$program" --selftest "$report" || status=$?
cat "$report"
echo "exit code: $status"
exit "$status"
