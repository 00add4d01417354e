#!/usr/bin/env bash
# Builds and runs every test: the native unit tests, the same tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the Windows build
# (unit tests, self-test, imports, the window end to end) under Wine, and
# each fuzz target for a bounded time. Ends with "N passed, N failed".
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

bash scripts/install-deps.sh || { echo "could not install the build dependencies"; exit 1; }

passed=0
failed=0
logs="$root/build/logs"
mkdir -p "$logs"

stop_wine() {
    # Only the Wine server of this build tree's own prefix.
    if [ -d "$root/build/windows/wine" ]; then
        WINEPREFIX="$root/build/windows/wine" /usr/lib/wine/wineserver -k 2>/dev/null || true
    fi
}
trap stop_wine EXIT

run_stage() {
    local preset=$1
    echo "== $preset: configure and build"
    if ! cmake --preset "$preset" >"$logs/$preset-configure.log" 2>&1; then
        cat "$logs/$preset-configure.log"
        echo "== $preset: configure FAILED"
        failed=$((failed + 1))
        return
    fi
    if ! cmake --build --preset "$preset" >"$logs/$preset-build.log" 2>&1; then
        grep -E "error|FAILED" "$logs/$preset-build.log" | head -40
        echo "== $preset: build FAILED"
        failed=$((failed + 1))
        return
    fi
    echo "== $preset: test"
    ctest --preset "$preset" >"$logs/$preset-test.log" 2>&1
    grep -E "tests passed|\*\*\*Failed|\(Failed\)|Not Run|Timeout" "$logs/$preset-test.log" | tail -20
    local summary total bad
    summary=$(grep -E "tests passed, [0-9]+ tests? failed out of [0-9]+" "$logs/$preset-test.log" | tail -1)
    if [ -z "$summary" ]; then
        echo "== $preset: no test summary"
        tail -20 "$logs/$preset-test.log"
        failed=$((failed + 1))
        return
    fi
    total=$(echo "$summary" | sed -E 's/.*out of ([0-9]+).*/\1/')
    bad=$(echo "$summary" | sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/')
    passed=$((passed + total - bad))
    failed=$((failed + bad))
}

for preset in native sanitize fuzz windows; do
    run_stage "$preset"
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
