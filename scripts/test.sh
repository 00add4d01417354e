#!/usr/bin/env bash
# Builds and runs every test: the native unit tests, the same tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, each fuzz target for a
# bounded time, the Windows build (unit tests, self-tests, imports, every
# program's window end to end) under Wine, and the installer and portable
# zip installed, upgraded and removed under Wine. Ends with "N passed, N failed".
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

bash scripts/install-deps.sh || { echo "could not install the build dependencies"; exit 1; }

passed=0
failed=0
logs="$root/build/logs"
mkdir -p "$logs"

stop_wine() {
    # Only the Wine servers of this build tree's own prefixes.
    for prefix in "$root/build/windows/wine" "$root/build/package-test/prefix"; do
        if [ -d "$prefix" ]; then
            WINEPREFIX="$prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
        fi
    done
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

# The installer and the portable zip: built from the windows stage's
# programs, with an upgrade of the next patch version built aside, both in
# the build tree (dist/ is left alone), then installed, upgraded, downgraded
# and removed under Wine.
package_stage() {
    echo "== package: build the packages"
    local version upgrade
    version=$(cat "$root/build/windows/suite-version.txt")
    upgrade="${version%.*}.$((${version##*.} + 1))"
    rm -rf "$root/build/package-dist" "$root/build/package-upgrade"
    if ! bash scripts/package.sh --no-deps --output "$root/build/package-dist" \
            >"$logs/package-build.log" 2>&1 ||
        ! bash scripts/package.sh --no-deps --version "$upgrade" --output "$root/build/package-upgrade" \
            >>"$logs/package-build.log" 2>&1; then
        tail -20 "$logs/package-build.log"
        echo "== package: build FAILED"
        failed=$((failed + 1))
        return
    fi
    echo "== package: install, upgrade, downgrade and remove under Wine"
    bash tests/package/test-package.sh "$root/build/windows" "$root/build/package-dist" \
        "$root/build/package-upgrade" "$root/build/windows/bin/gui_driver.exe" \
        "$root/build/package-test" >"$logs/package-test.log" 2>&1
    grep -E "^FAIL" "$logs/package-test.log" | head -20
    local summary
    summary=$(grep -E "^package: [0-9]+ passed, [0-9]+ failed" "$logs/package-test.log" | tail -1)
    if [ -z "$summary" ]; then
        tail -20 "$logs/package-test.log"
        echo "== package: no test summary"
        failed=$((failed + 1))
        return
    fi
    echo "$summary"
    passed=$((passed + $(echo "$summary" | sed -E 's/^package: ([0-9]+) passed.*/\1/')))
    failed=$((failed + $(echo "$summary" | sed -E 's/.* ([0-9]+) failed$/\1/')))
}

for preset in native sanitize fuzz windows; do
    run_stage "$preset"
done
package_stage

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
