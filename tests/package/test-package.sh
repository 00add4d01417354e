#!/usr/bin/env bash
# The suite's packages as hospital IT and a nurse meet them, under Wine in a
# fresh prefix: the installer's tables read back; a silent install, every
# program and shortcut in place, installed programs' self-tests; a record
# saved by an installed program, kept through an upgrade (one Add/Remove
# entry left), a refused downgrade and the uninstall (the programs gone);
# the portable zip's sums and a program run from it.
# usage: test-package.sh BUILD_DIR PACKAGES_DIR UPGRADE_PACKAGES_DIR DRIVER.exe
# Prints PASS and FAIL lines and ends with "package: N passed, N failed".
# Stops only what it started: its Xvfb (by PID) and its prefix's wineserver.
set -uo pipefail
build=$1
packages=$2
upgrades=$3
driver=$4
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
work="$root/build/package-test"
prefix="$work/prefix"
today=2026-12-08

passed=0
failed=0
check() {
    local what=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
        echo "PASS $what"
    else
        failed=$((failed + 1))
        echo "FAIL $what"
    fi
}
same_text() { [ "$1" = "$2" ] || { echo "  got [$1], expected [$2]"; return 1; }; }

# Wine as the other tests run it: cmake/wine-run.sh makes the prefix on first
# use, with the Chinese UI fonts mapped.
export WINEPREFIX="$prefix"
wine() { "$root/cmake/wine-run.sh" "$prefix" "$@"; }
wine_wait() { /usr/lib/wine/wineserver -w; }
# shellcheck source=../e2e/private-display.sh
. "$root/tests/e2e/private-display.sh"
cleanup() {
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    stop_private_display
}
trap cleanup EXIT

suite_name=$(cat "$build/suite-name.txt")
version=$(cat "$build/suite-version.txt")
msi=$(ls "$packages"/KeloMedSuite-"$version"-x64.msi)
zip="$packages/KeloMedSuite-$version-x64-portable.zip"
upgrade_msi=$(ls "$upgrades"/KeloMedSuite-*-x64.msi)
upgrade_version=$(basename "$upgrade_msi" | sed -E 's/KeloMedSuite-(.*)-x64.msi/\1/')
mapfile -t programs < <(cut -f1 "$build/suite-programs.tsv")
mapfile -t titles < <(cut -f2 "$build/suite-programs.tsv")

# ---- the tables, read back
property() { msiinfo export "$1" Property | tr -d '\r' | awk -F'\t' -v p="$2" '$1 == p { print $2 }'; }
check "product name is the suite's Chinese name" same_text "$(property "$msi" ProductName)" "$suite_name"
check "product version $version" same_text "$(property "$msi" ProductVersion)" "$version"
check "manufacturer KeloMed" same_text "$(property "$msi" Manufacturer)" "KeloMed"
check "fixed UpgradeCode" same_text "$(property "$msi" UpgradeCode)" "{BCC66E80-C800-4ED3-9E5F-636348A206F2}"
check "the same UpgradeCode in the upgrade" same_text "$(property "$upgrade_msi" UpgradeCode)" \
    "{BCC66E80-C800-4ED3-9E5F-636348A206F2}"
check "a new ProductCode per build" test "$(property "$msi" ProductCode)" != "$(property "$upgrade_msi" ProductCode)"
check "no modify in Add/Remove" same_text "$(property "$msi" ARPNOMODIFY)" "1"
check "the suite's icon in Add/Remove" same_text "$(property "$msi" ARPPRODUCTICON)" "suite.ico"
check "per-machine" same_text "$(property "$msi" ALLUSERS)" "1"
shortcuts=$(msiinfo export "$msi" Shortcut | tr -d '\r' | tail -n +4)
check "one shortcut per program (${#programs[@]})" same_text "$(grep -c . <<<"$shortcuts")" "${#programs[@]}"
for i in "${!programs[@]}"; do
    id=${programs[$i]#kelomed-t}
    row=$(printf 'Shortcut%s\tSuiteMenu\tT%s|%s\tProgram%s\t[#File%s]' "$id" "$id" "${titles[$i]}" "$id" "$id")
    check "shortcut ${programs[$i]} is named ${titles[$i]}" grep -qF "$row" <<<"$shortcuts"
done
check "a major upgrade that refuses a downgrade" \
    grep -q "WIX_DOWNGRADE_DETECTED" <(msiinfo export "$msi" Upgrade)
check "the downgrade message is Chinese" \
    grep -q "已安装更新版本" <(msiinfo export "$msi" LaunchCondition)

# ---- install into a fresh prefix, every Wine process on the private
# display (a window needs the display its prefix's desktop started with)
rm -rf "$work"
mkdir -p "$work" "$prefix"
start_private_display || exit 1
wine wineboot -u >/dev/null 2>&1
wine_wait
mkdir -p "$prefix/drive_c/packages"
cp "$msi" "$upgrade_msi" "$prefix/drive_c/packages/"
msiexec() {
    wine msiexec "$@" >/dev/null 2>&1
    local status=$?
    wine_wait
    return $status
}
refused() { ! msiexec "$@"; }
installed="$prefix/drive_c/Program Files/KeloMedSuite"
# Under Wine the Start menu of a per-machine install is the user's.
profile="$prefix/drive_c/users/$(id -un)"
menu="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/$suite_name"
record="$profile/AppData/Local/KeloMedSuite/records/T048.csv"
# The Add/Remove entries of the suite: one line "DisplayVersion" per entry.
entries() {
    awk 'function flush() { if (entry && ours) print version; entry = 0 }
         /^\[/ { flush()
                 if ($0 ~ /^\[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\/) {
                     entry = 1; ours = 0; version = ""
                 }
                 next }
         entry && /^"Publisher"="KeloMed"/ { ours = 1 }
         entry && /^"DisplayVersion"=/ { version = $0; sub(/^"DisplayVersion"="/, "", version); sub(/"$/, "", version) }
         END { flush() }' "$prefix/system.reg"
}

check "silent install exits 0" msiexec /i "C:\\packages\\$(basename "$msi")" /qn /l*v 'C:\packages\install.log'
for i in "${!programs[@]}"; do
    program=${programs[$i]}
    check "$program.exe installed" test -f "$installed/$program.exe"
    check "Start-menu shortcut ${titles[$i]} points at $program.exe" \
        grep -qaF "C:\\Program Files\\KeloMedSuite\\$program.exe" "$menu/${titles[$i]}.lnk"
done
check "one Add/Remove entry, version $version" same_text "$(entries)" "$version"

# Installed programs' self-tests, byte for byte.
selftest_failures=""
for program in "${programs[@]}"; do
    rm -f "$prefix/drive_c/selftest.txt"
    (cd "$prefix/drive_c" && wine "$installed/$program.exe" --selftest 'C:\selftest.txt' --today=$today) >/dev/null 2>&1
    cmp -s "$prefix/drive_c/selftest.txt" "$root/tests/data/selftest-${program#kelomed-}.txt" ||
        selftest_failures+=" $program"
done
check "every installed program's self-test is its reference file" same_text "$selftest_failures" ""

# A record saved by an installed program.
rm -f "$record"
check "installed kelomed-t048 saves a record" \
    wine "$driver" save 'C:\Program Files\KeloMedSuite\kelomed-t048.exe'
wine_wait
check "the record file exists" test -s "$record"
record_sum=$(sha256sum "$record" 2>/dev/null | cut -d' ' -f1)
record_kept() { [ -n "$record_sum" ] && same_text "$(sha256sum "$record" | cut -d' ' -f1)" "$record_sum"; }

# Upgrade: the old version removed, the record untouched.
check "upgrade to $upgrade_version exits 0" msiexec /i "C:\\packages\\$(basename "$upgrade_msi")" /qn
check "one Add/Remove entry after the upgrade, version $upgrade_version" same_text "$(entries)" "$upgrade_version"
check "the upgraded programs carry version $upgrade_version" \
    grep -q "$upgrade_version" <(strings -a -el "$installed/kelomed-t048.exe")
check "the record is unchanged by the upgrade" record_kept

# Downgrade: refused, nothing changes.
check "installing $version over $upgrade_version is refused" \
    refused /i "C:\\packages\\$(basename "$msi")" /qn
check "still one Add/Remove entry, version $upgrade_version" same_text "$(entries)" "$upgrade_version"

# Uninstall: the programs and shortcuts gone, the record kept.
check "silent uninstall exits 0" msiexec /x "C:\\packages\\$(basename "$upgrade_msi")" /qn
remaining=$(ls "$installed" 2>/dev/null | grep -c '\.exe$')
check "no program left in Program Files" same_text "$remaining" "0"
check "the Start-menu folder is gone" test ! -e "$menu"
check "no Add/Remove entry left" same_text "$(entries)" ""
check "the record is unchanged by the uninstall" record_kept

# The portable zip: one top folder, the sums check, a program runs from it.
mkdir -p "$work/zip"
unzip -q "$zip" -d "$work/zip"
check "the zip holds one top folder" same_text "$(ls "$work/zip")" "KeloMedSuite-$version-x64"
unpacked="$work/zip/KeloMedSuite-$version-x64"
check "the zip's SHA-256 sums check" bash -c "cd '$unpacked' && sha256sum --quiet -c SHA256SUMS.txt"
check "every program and the guide have a sum" \
    same_text "$(grep -c . "$unpacked/SHA256SUMS.txt")" "$((${#programs[@]} + 1))"
check "the guide says where records go" grep -q 'KeloMedSuite\\records\\T<编号>.csv' "$unpacked/README-zh-CN.txt"
rm -f "$prefix/drive_c/selftest.txt"
(cd "$prefix/drive_c" && wine "$unpacked/kelomed-t048.exe" --selftest 'C:\selftest.txt') >/dev/null 2>&1
check "kelomed-t048 from the zip passes its self-test" \
    cmp -s "$prefix/drive_c/selftest.txt" "$root/tests/data/selftest-t048.txt"

echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
