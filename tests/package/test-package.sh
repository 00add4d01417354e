#!/usr/bin/env bash
# The suite's packages as hospital IT and a nurse meet them, under Wine in a
# fresh prefix: the installer's tables read back (names, file versions, the
# Start-menu layout Windows Installer's validation wants); a silent install,
# every program and shortcut in place (the home at the top of the Start
# menu, the tools in a folder per category), installed programs' self-tests; a
# same-version re-pack installed over it; a record saved by an installed
# program and the home's recent tools, kept through an upgrade (one
# Add/Remove entry left), a refused
# downgrade and the uninstall by the ProductCode the suite registers; a
# custom install folder kept by an upgrade; the portable zip's sums and a
# program run from it. Exit codes are read whole (1603, not Wine's 67).
# usage: test-package.sh BUILD_DIR PACKAGES_DIR UPGRADE_PACKAGES_DIR DRIVER.exe SCRATCH_DIR
# BUILD_DIR is the Windows build the packages were made from; SCRATCH_DIR is
# emptied and holds the Wine prefix and everything the test writes.
# Prints PASS and FAIL lines and ends with "package: N passed, N failed".
# Stops only what it started: its Xvfb (by PID) and its prefix's wineserver.
set -uo pipefail
usage="usage: test-package.sh BUILD_DIR PACKAGES_DIR UPGRADE_PACKAGES_DIR DRIVER.exe SCRATCH_DIR"
if [ $# -ne 5 ]; then
    echo "$usage" >&2
    exit 2
fi
build=$1
packages=$2
upgrades=$3
driver=$4
work=$5
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
for input in "$build/suite-programs.tsv" "$build/suite-name.txt" "$build/suite-home-name.txt" \
    "$build/suite-version.txt" "$driver"; do
    if [ ! -f "$input" ]; then
        echo "missing $input" >&2
        echo "$usage" >&2
        exit 2
    fi
done
suite_name=$(cat "$build/suite-name.txt")
version=$(cat "$build/suite-version.txt")
msi="$packages/KeloMedSuite-$version-x64.msi"
zip="$packages/KeloMedSuite-$version-x64-portable.zip"
upgrade_msi=$(ls "$upgrades"/KeloMedSuite-*-x64.msi 2>/dev/null | head -1)
for input in "$msi" "$zip" "$packages/KeloMedSuite-$version-x64-ProductCode.txt" \
    "$packages/KeloMedSuite-uninstall.cmd" "$upgrade_msi"; do
    if [ ! -f "$input" ]; then
        echo "missing package ${input:-in $upgrades}" >&2
        exit 2
    fi
done
upgrade_version=$(basename "$upgrade_msi" | sed -E 's/KeloMedSuite-(.*)-x64.msi/\1/')
mapfile -t programs < <(cut -f1 "$build/suite-programs.tsv")
mapfile -t titles < <(cut -f2 "$build/suite-programs.tsv")
mapfile -t program_categories < <(cut -f4 "$build/suite-programs.tsv")
home_name=$(cat "$build/suite-home-name.txt")
# The categories in the order of their first tool, as the Start menu's
# folders Category1, Category2, ...
mapfile -t categories < <(awk '!seen[$0]++' < <(cut -f4 "$build/suite-programs.tsv"))
category_folder() {
    local i
    for i in "${!categories[@]}"; do
        [ "${categories[$i]}" = "$1" ] && echo "Category$((i + 1))"
    done
}
rm -rf "$work"
mkdir -p "$work"
work=$(cd "$work" && pwd)
prefix="$work/prefix"
today=2026-12-08
upgrade_code="{BCC66E80-C800-4ED3-9E5F-636348A206F2}"

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

# ---- the tables, read back
table() { msiinfo export "$1" "$2" | tr -d '\r' | tail -n +4; }
property() { table "$1" Property | awk -F'\t' -v p="$2" '$1 == p { print $2 }'; }
product_code=$(property "$msi" ProductCode)
check "product name is the suite's Chinese name" same_text "$(property "$msi" ProductName)" "$suite_name"
check "product version $version" same_text "$(property "$msi" ProductVersion)" "$version"
check "manufacturer KeloMed" same_text "$(property "$msi" Manufacturer)" "KeloMed"
check "fixed UpgradeCode" same_text "$(property "$msi" UpgradeCode)" "$upgrade_code"
check "the same UpgradeCode in the upgrade" same_text "$(property "$upgrade_msi" UpgradeCode)" "$upgrade_code"
check "a new ProductCode per build" test "$product_code" != "$(property "$upgrade_msi" ProductCode)"
check "the ProductCode written beside the package" same_text \
    "$(tr -d '\r' <"$packages/KeloMedSuite-$version-x64-ProductCode.txt")" "$product_code"
check "the packages' sums check" bash -c "cd '$packages' && sha256sum --quiet -c SHA256SUMS"
check "no modify in Add/Remove" same_text "$(property "$msi" ARPNOMODIFY)" "1"
check "the suite's icon in Add/Remove" same_text "$(property "$msi" ARPPRODUCTICON)" "suite.ico"
check "per-machine" same_text "$(property "$msi" ALLUSERS)" "1"
check "no placeholder web address" bash -c "! msiinfo export '$msi' Property | grep -qiE 'ARPURL|example'"
check "the summary's language is the product's (x64;2052)" \
    grep -qx "Template: x64;2052" <(msiinfo suminfo "$msi")
files=$(table "$msi" File)
check "kelomed.exe, the home, carries file version $version.0 and language 2052 in the File table" \
    grep -qP "^FileHome\tProgramHome\tkelomed.exe\t[0-9]+\t$version.0\t2052\t" <<<"$files"
for program in "${programs[@]}"; do
    check "$program.exe carries file version $version.0 and language 2052 in the File table" \
        grep -qP "^File${program#kelomed-t}\tProgram${program#kelomed-t}\t$program.exe\t[0-9]+\t$version.0\t2052\t" \
        <<<"$files"
done
shortcuts=$(table "$msi" Shortcut)
check "one shortcut per program and the home's ($((${#programs[@]} + 1)))" \
    same_text "$(grep -c . <<<"$shortcuts")" "$((${#programs[@]} + 1))"
check "the home's shortcut, $home_name, stands at the top of the suite's folder" \
    grep -qF "$(printf 'ShortcutHome\tSuiteMenu\tHome|%s\tMenuHome\t[#FileHome]' "$home_name")" \
    <<<"$shortcuts"
directories=$(table "$msi" Directory)
for i in "${!categories[@]}"; do
    check "the Start-menu folder of ${categories[$i]}" grep -qF \
        "$(printf 'Category%s\tSuiteMenu\t%s|%s' "$((i + 1))" "$((i + 1))" "${categories[$i]}")" \
        <<<"$directories"
done
for i in "${!programs[@]}"; do
    id=${programs[$i]#kelomed-t}
    folder=$(category_folder "${program_categories[$i]}")
    row=$(printf 'Shortcut%s\t%s\tT%s|%s\tMenu%s\t[#File%s]' "$id" "$folder" "$id" "${titles[$i]}" "$id" "$id")
    check "shortcut ${programs[$i]} is named ${titles[$i]}, in ${program_categories[$i]}" \
        grep -qF "$row" <<<"$shortcuts"
done
# What ICE38, ICE43 and ICE57 check: a component in the Start menu has its
# key path in HKCU (Registry root 1), and none mixes a program file with a
# shortcut.
components=$(table "$msi" Component)
registry=$(table "$msi" Registry)
menu_components=$(awk -F'\t' '$3 == "SuiteMenu" || $3 ~ /^Category[0-9]+$/ { print $1 "\t" $6 }' \
    <<<"$components")
menu_count=$((${#programs[@]} + 1 + 1 + ${#categories[@]}))
check "every Start-menu component (the shortcuts, the home's, the folder and ${#categories[@]} category folders) keys on HKCU" \
    same_text "$(while IFS=$'\t' read -r component key; do
        awk -F'\t' -v k="$key" -v c="$component" '$1 == k && $2 == 1 && $6 == c' <<<"$registry"
    done <<<"$menu_components" | grep -c .)" "$menu_count"
check "no component holds both a program file and a shortcut" same_text "$(
    comm -12 <(cut -f2 <<<"$files" | sort) <(cut -f4 <<<"$shortcuts" | sort) | grep -c .)" "0"
upgrade_rows=$(table "$msi" Upgrade)
check "a rebuild of the same version upgrades (inclusive bound, 513)" \
    grep -qP "^\Q$upgrade_code\E\t\t$version\t\t513\t\tWIX_UPGRADE_DETECTED$" <<<"$upgrade_rows"
check "a newer version is detected, not upgraded" \
    grep -qP "^\Q$upgrade_code\E\t$version\t\t\t2\t\tWIX_DOWNGRADE_DETECTED$" <<<"$upgrade_rows"
check "the downgrade message is Chinese" \
    grep -q "已安装更新版本" <(msiinfo export "$msi" LaunchCondition)

# The same tables whichever awk packs them: the packaging passes its texts
# to awk through the environment, so gawk reads no escapes in them (it once
# turned the Start-menu key into "SoftwareKeloMedSuiteShortcuts").
registry_rows() { table "$1" Registry | cut -f2- | sort; }
for packer in mawk gawk; do
    AWK=$packer bash "$root/scripts/package.sh" --pack-only --no-deps --output "$work/$packer" \
        >"$work/$packer.log" 2>&1 || cat "$work/$packer.log"
done
check "mawk and gawk pack the same Registry table" same_text \
    "$(registry_rows "$work/mawk/KeloMedSuite-$version-x64.msi")" \
    "$(registry_rows "$work/gawk/KeloMedSuite-$version-x64.msi")"
check "the Start-menu key keeps its backslashes (Software\\KeloMed\\Suite\\Shortcuts)" \
    grep -qP '^1\tSoftware\\KeloMed\\Suite\\Shortcuts\t' <(registry_rows "$msi")

# The same version packed again (as after signing the programs): a new
# ProductCode, the same version.
repack="$work/repack"
if bash "$root/scripts/package.sh" --pack-only --no-deps --output "$repack" >"$work/repack.log" 2>&1; then
    repack_msi="$repack/KeloMedSuite-$version-x64.msi"
    repack_code=$(property "$repack_msi" ProductCode)
    check "a re-pack of $version has a ProductCode of its own" test "$repack_code" != "$product_code"
else
    cat "$work/repack.log"
    check "package.sh --pack-only packs the built programs again" false
fi
# After the .msi is signed, --sums-only writes the sums again.
printf 'signature' >>"$repack/KeloMedSuite-$version-x64.msi"
bash "$root/scripts/package.sh" --sums-only --output "$repack" >/dev/null
check "--sums-only writes the sums of a changed package" \
    bash -c "cd '$repack' && sha256sum --quiet -c SHA256SUMS"
bash "$root/scripts/package.sh" --pack-only --no-deps --output "$repack" >/dev/null 2>&1
repack_code=$(property "$repack_msi" ProductCode)

# ---- install into a fresh prefix, every Wine process on the private
# display (a window needs the display its prefix's desktop started with)
mkdir -p "$prefix"
start_private_display || exit 1
wine wineboot -u >/dev/null 2>&1
wine_wait
mkdir -p "$prefix/drive_c/packages/repack"
cp "$msi" "$upgrade_msi" "$prefix/drive_c/packages/"
cp "$repack_msi" "$prefix/drive_c/packages/repack/"
package() { echo "C:\\packages\\$1"; }
# msiexec's whole exit code, read by a Windows process.
msiexec_code() {
    local code
    code=$(wine "$driver" exit-code msiexec "$@" 2>/dev/null | tr -d '\r')
    wine_wait
    echo "$code"
}
exits() {
    local want=$1
    shift
    same_text "$(msiexec_code "$@")" "$want"
}
installed="$prefix/drive_c/Program Files/KeloMedSuite"
custom="$prefix/drive_c/KeloMedCustom"
# Under Wine the Start menu of a per-machine install is the user's.
profile="$prefix/drive_c/users/$(id -un)"
menu="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/$suite_name"
record="$profile/AppData/Local/KeloMedSuite/records/T048.csv"
recent_tools="$profile/AppData/Local/KeloMedSuite/recent-tools.txt"
# The Add/Remove entries of the suite, one line each: version and install
# location.
entries() {
    awk 'function flush() { if (entry && ours) print version " " location; entry = 0 }
         /^\[/ { flush()
                 if ($0 ~ /^\[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\/) {
                     entry = 1; ours = 0; version = ""; location = ""
                 }
                 next }
         entry && /^"Publisher"="KeloMed"/ { ours = 1 }
         entry && /^"DisplayVersion"=/ { version = $0; sub(/^"DisplayVersion"="/, "", version); sub(/"$/, "", version) }
         entry && /^"InstallLocation"=/ { location = $0; sub(/^"InstallLocation"="/, "", location); sub(/"$/, "", location) }
         END { flush() }' "$prefix/system.reg" | sed 's/\\\\/\\/g'
}
# A value the suite registers under HKLM\Software\KeloMed\Suite (64-bit view).
suite_value() {
    awk -v name="\"$1\"" '/^\[/ { ours = ($0 ~ /^\[Software\\\\KeloMed\\\\Suite\]/) ; next }
        ours && index($0, name "=") == 1 { value = substr($0, length(name) + 3); sub(/"$/, "", value); print value }' \
        "$prefix/system.reg" | sed 's/\\\\/\\/g'
}

check "silent install exits 0" exits 0 /i "$(package "$(basename "$msi")")" /qn /l*v 'C:\packages\install.log'
check "kelomed.exe, the home, installed" test -f "$installed/kelomed.exe"
check "the home's shortcut $home_name points at kelomed.exe" \
    grep -qaF "C:\\Program Files\\KeloMedSuite\\kelomed.exe" "$menu/$home_name.lnk"
for i in "${!programs[@]}"; do
    program=${programs[$i]}
    check "$program.exe installed" test -f "$installed/$program.exe"
    check "Start-menu shortcut ${program_categories[$i]}\\${titles[$i]} points at $program.exe" \
        grep -qaF "C:\\Program Files\\KeloMedSuite\\$program.exe" \
        "$menu/${program_categories[$i]}/${titles[$i]}.lnk"
done
check "the Start-menu key is in the user's registry with its backslashes" \
    grep -qF '[Software\\KeloMed\\Suite\\Shortcuts]' "$prefix/user.reg"
check "one Add/Remove entry, version $version, in Program Files" \
    same_text "$(entries)" "$version C:\\Program Files\\KeloMedSuite\\"
check "the suite registers its folder, version and ProductCode" same_text \
    "$(suite_value InstallDir)|$(suite_value Version)|$(suite_value ProductCode)" \
    "C:\\Program Files\\KeloMedSuite\\|$version|$product_code"

# Installed programs' self-tests, byte for byte.
selftest_failures=""
for program in "${programs[@]}"; do
    rm -f "$prefix/drive_c/selftest.txt"
    (cd "$prefix/drive_c" && wine "$installed/$program.exe" --selftest 'C:\selftest.txt' --today=$today) >/dev/null 2>&1
    cmp -s "$prefix/drive_c/selftest.txt" "$root/tests/data/selftest-${program#kelomed-}.txt" ||
        selftest_failures+=" $program"
done
rm -f "$prefix/drive_c/selftest.txt"
(cd "$prefix/drive_c" && wine "$installed/kelomed.exe" --selftest 'C:\selftest.txt') >/dev/null 2>&1
cmp -s "$prefix/drive_c/selftest.txt" "$root/tests/data/selftest-home.txt" || selftest_failures+=" kelomed"
check "every installed program's self-test, the home's too, is its reference file" \
    same_text "$selftest_failures" ""

# The same version packed again replaces the installed build.
check "the re-pack of $version installs over it, exit 0" exits 0 /i "$(package "repack\\$(basename "$repack_msi")")" /qn
check "still one Add/Remove entry, version $version" \
    same_text "$(entries)" "$version C:\\Program Files\\KeloMedSuite\\"
check "the re-pack's ProductCode is the registered one" same_text "$(suite_value ProductCode)" "$repack_code"

# A record saved by an installed program.
rm -f "$record"
check "installed kelomed-t048 saves a record" \
    wine "$driver" save 'C:\Program Files\KeloMedSuite\kelomed-t048.exe'
wine_wait
check "the record file exists" test -s "$record"
record_sum=$(sha256sum "$record" 2>/dev/null | cut -d' ' -f1)
record_kept() { [ -n "$record_sum" ] && same_text "$(sha256sum "$record" | cut -d' ' -f1)" "$record_sum"; }
# The home's recent tools, as it writes them after 070 and 121 were opened.
mkdir -p "$(dirname "$recent_tools")"
printf '121\r\n70\r\n' >"$recent_tools"
recent_kept() { same_text "$(cat "$recent_tools" 2>/dev/null)" "$(printf '121\r\n70\r\n')"; }

# Upgrade: the old version removed, the record untouched.
check "upgrade to $upgrade_version exits 0" exits 0 /i "$(package "$(basename "$upgrade_msi")")" /qn
check "one Add/Remove entry after the upgrade, version $upgrade_version" \
    same_text "$(entries)" "$upgrade_version C:\\Program Files\\KeloMedSuite\\"
check "the upgraded programs carry version $upgrade_version" \
    grep -q "$upgrade_version" <(strings -a -el "$installed/kelomed-t048.exe")
check "the record is unchanged by the upgrade" record_kept
check "the home's recent tools are kept by the upgrade" recent_kept

# Downgrade: refused with 1603, nothing changes.
check "installing $version over $upgrade_version is refused with exit code 1603" \
    exits 1603 /i "$(package "$(basename "$msi")")" /qn
check "still one Add/Remove entry, version $upgrade_version" \
    same_text "$(entries)" "$upgrade_version C:\\Program Files\\KeloMedSuite\\"

# Uninstall by the shipped script, which reads the ProductCode the suite
# registers, whatever the version: the programs and shortcuts gone, the
# record kept.
registered=$(suite_value ProductCode)
cp "$packages/KeloMedSuite-uninstall.cmd" "$prefix/drive_c/packages/"
uninstall_code() {
    wine "$driver" exit-code cmd /c 'C:\packages\KeloMedSuite-uninstall.cmd' 2>/dev/null | tr -d '\r'
    wine_wait
}
check "KeloMedSuite-uninstall.cmd removes the installed build, exit 0" same_text "$(uninstall_code)" "0"
remaining=$(ls "$installed" 2>/dev/null | grep -c '\.exe$')
check "no program left in Program Files" same_text "$remaining" "0"
check "the Start-menu folder is gone" test ! -e "$menu"
check "no Add/Remove entry left" same_text "$(entries)" ""
check "no registration left" same_text "$(suite_value ProductCode)" ""
check "the record is unchanged by the uninstall" record_kept
check "so are the home's recent tools" recent_kept
check "uninstalling what is not installed exits 1605" exits 1605 /x "$registered" /qn
check "so does KeloMedSuite-uninstall.cmd" same_text "$(uninstall_code)" "1605"

# A custom folder: installed there, shown in Add/Remove, kept by an upgrade.
check "install into a custom INSTALLDIR exits 0" \
    exits 0 /i "$(package "$(basename "$msi")")" /qn 'INSTALLDIR=C:\KeloMedCustom\'
check "the programs are in the custom folder" test -f "$custom/kelomed-t048.exe"
check "Add/Remove's InstallLocation is the custom folder" same_text "$(entries)" "$version C:\\KeloMedCustom\\"
check "the upgrade exits 0" exits 0 /i "$(package "$(basename "$upgrade_msi")")" /qn
check "the upgrade stays in the custom folder" same_text "$(entries)" "$upgrade_version C:\\KeloMedCustom\\"
check "the upgraded programs are in the custom folder" \
    grep -q "$upgrade_version" <(strings -a -el "$custom/kelomed-t048.exe")
check "nothing went to Program Files" same_text "$(ls "$installed" 2>/dev/null | grep -c '\.exe$')" "0"
check "the uninstall exits 0" exits 0 /x "$(suite_value ProductCode)" /qn
check "the custom folder's programs are gone" same_text "$(ls "$custom" 2>/dev/null | grep -c '\.exe$')" "0"

# The portable zip: one top folder, the sums check, a program runs from it.
mkdir -p "$work/zip"
unzip -q "$zip" -d "$work/zip"
check "the zip holds one top folder" same_text "$(ls "$work/zip")" "KeloMedSuite-$version-x64"
unpacked="$work/zip/KeloMedSuite-$version-x64"
check "the zip's SHA-256 sums check" bash -c "cd '$unpacked' && sha256sum --quiet -c SHA256SUMS.txt"
check "every program, the home and the guide have a sum" \
    same_text "$(grep -c . "$unpacked/SHA256SUMS.txt")" "$((${#programs[@]} + 2))"
rm -f "$prefix/drive_c/selftest.txt"
(cd "$prefix/drive_c" && wine "$unpacked/kelomed.exe" --selftest 'C:\selftest.txt') >/dev/null 2>&1
check "the home from the zip passes its self-test" \
    cmp -s "$prefix/drive_c/selftest.txt" "$root/tests/data/selftest-home.txt"
check "the guide says where records go" grep -q 'KeloMedSuite\\records\\T<编号>.csv' "$unpacked/README-zh-CN.txt"
rm -f "$prefix/drive_c/selftest.txt"
(cd "$prefix/drive_c" && wine "$unpacked/kelomed-t048.exe" --selftest 'C:\selftest.txt') >/dev/null 2>&1
check "kelomed-t048 from the zip passes its self-test" \
    cmp -s "$prefix/drive_c/selftest.txt" "$root/tests/data/selftest-t048.txt"

echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
