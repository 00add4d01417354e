#!/usr/bin/env bash
# Measures the figures of docs/performance.md in one run:
#  1. Google Benchmark: ComputeTool against a hand-written baseline, each
#     expression of tool 48, each report kind (ratios printed at the end);
#     the engine's exp, log, log10 and pow against the C library, in both
#     versions of their fast paths;
#  2. whole process, native: the self-test against a trivial static program;
#  3. whole process, Windows under Wine: start to window ready, against a
#     minimal Win32 window program built the same way;
#  4. the stripped size and imports of the Windows program.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
bash scripts/install-deps.sh
runs=${RUNS:-200}
wine_runs=${WINE_RUNS:-15}

echo "== machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
echo "== engine benchmarks"
build/bench/bin/kelomed_benchmark --benchmark_color=false
echo "== correctly rounded math against the C library"
build/bench/bin/math_benchmark --benchmark_color=false --benchmark_min_time=0.5

time_runs() {
    local count=$1
    shift
    local begin end
    begin=$(date +%s%N)
    for _ in $(seq 1 "$count"); do
        "$@" >/dev/null 2>&1 || true
    done
    end=$(date +%s%N)
    echo $(((end - begin) / count / 1000))
}

echo "== whole process, native ($runs runs each, microseconds per run)"
scratch=$(mktemp -d)
trivial=$(time_runs "$runs" build/bench/bin/trivial_program)
selftest=$(time_runs "$runs" build/bench/bin/kelomed-t048 --selftest "$scratch/selftest.txt")
rm -rf "$scratch"
echo "trivial static program: $trivial us"
echo "kelomed-t048 --selftest: $selftest us"
awk -v a="$selftest" -v b="$trivial" 'BEGIN { printf "ratio self-test / trivial program: %.2f\n", a / b }'

echo "== Windows program"
cmake --preset windows >/dev/null
cmake --build --preset windows >/dev/null
cmake --build --preset windows --target minimal_window >/dev/null
size=$(stat -c %s build/windows/bin/kelomed-t048.exe)
echo "stripped size: $size bytes ($((size / 1024)) KiB, limit 512 KiB)"
x86_64-w64-mingw32-objdump -p build/windows/bin/kelomed-t048.exe | grep 'DLL Name' | sed 's/^\s*/imports: /'

# shellcheck source=../tests/e2e/private-display.sh
. tests/e2e/private-display.sh
prefix="$root/build/windows/wine"
trap 'WINEPREFIX="$prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true; stop_private_display' EXIT
start_private_display
drive() { cmake/wine-run.sh "$prefix" build/windows/bin/gui_driver.exe "$@" | tr -d '\r'; }
echo "== start to window ready under Wine ($wine_runs runs each, milliseconds: median fastest)"
read -r minimal_median minimal_fastest < <(drive startup-time "$root/build/windows/bin/minimal_window.exe" KeloMedMinimalWnd "$wine_runs")
read -r program_median program_fastest < <(drive startup-time "$root/build/windows/bin/kelomed-t048.exe" KeloMedToolWnd "$wine_runs")
echo "minimal Win32 window: $minimal_median ms (fastest $minimal_fastest)"
echo "kelomed-t048.exe: $program_median ms (fastest $program_fastest)"
awk -v a="$program_median" -v b="$minimal_median" 'BEGIN { printf "ratio calculator / minimal window: %.2f\n", a / b }'
