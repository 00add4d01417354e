#!/usr/bin/env bash
# usage: bash scripts/package.sh [--version X.Y.Z] [--address URL] [--output DIR] [--pack-only] [--sums-only] [--no-deps]
# Builds every program of the suite for Windows and packs them into DIR
# (default dist/):
#   KeloMedSuite-VERSION-x64.msi              per-machine installer for hospital IT
#   KeloMedSuite-VERSION-x64-ProductCode.txt  that installer's ProductCode
#   KeloMedSuite-VERSION-x64-portable.zip     one folder: the home program
#                                             (kelomed.exe), the tools' programs,
#                                             a user guide in Chinese,
#                                             SHA256SUMS.txt
#   KeloMedSuite-uninstall.cmd                removes whichever build is installed
#   SHA256SUMS                                the sums of the four
# First it installs the Debian packages the build needs, when missing (root
# or sudo); --no-deps skips that. The version is the project's
# (CMakeLists.txt); --version builds the programs again with another version
# in a build tree of its own (to test upgrades). --address sets the web
# address the programs show in their header and About box (none when not
# given). --pack-only packs programs
# already built (signed ones, say) without building; --sums-only writes
# SHA256SUMS again for the packages already in DIR (after signing the .msi).
# AWK names the awk to run (awk when unset).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
# The awk to use (AWK=gawk or AWK=mawk); the tables come out the same.
awk=${AWK:-awk}

project_version=$(sed -n 's/^set(KELOMED_RELEASE_VERSION "\([0-9.]*\)")$/\1/p' CMakeLists.txt)
version=$project_version
output="$root/dist"
pack_only=0
sums_only=0
deps=1
usage="usage: bash scripts/package.sh [--version X.Y.Z] [--address URL] [--output DIR] [--pack-only] [--sums-only] [--no-deps]"
address=""
while [ $# -gt 0 ]; do
    case "$1" in
        --version) version=${2:?$usage}; shift 2 ;;
        --address) address=${2:?$usage}; shift 2 ;;
        --output) output=$(mkdir -p "${2:?$usage}" && cd "$2" && pwd); shift 2 ;;
        --pack-only) pack_only=1; shift ;;
        --sums-only) sums_only=1; shift ;;
        --no-deps) deps=0; shift ;;
        *) echo "$usage" >&2; exit 2 ;;
    esac
done
if ! [[ "$version" =~ ^[0-9]{1,3}\.[0-9]{1,3}\.[0-9]{1,5}$ ]]; then
    echo "version '$version' is not major.minor.patch" >&2
    exit 2
fi
name="KeloMedSuite-$version-x64"
packages=("$name.msi" "$name-ProductCode.txt" "$name-portable.zip" KeloMedSuite-uninstall.cmd)

write_sums() {
    (cd "$output" && sha256sum "${packages[@]}" >SHA256SUMS)
}
if [ "$sums_only" -eq 1 ]; then
    write_sums
    echo "sums of ${packages[*]} written to $output/SHA256SUMS"
    exit 0
fi

[ "$deps" -eq 0 ] || [ "$pack_only" -eq 1 ] || bash scripts/install-deps.sh

# The project's version is the windows preset's build; another version gets
# a build tree of its own, so the two never mix.
if [ "$version" = "$project_version" ]; then
    build="$root/build/windows"
    configure=(--preset windows)
else
    build="$root/build/package-$version"
    configure=(-S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake"
        -DCMAKE_BUILD_TYPE=Release -DKELOMED_TESTS=OFF -DKELOMED_VERSION_OVERRIDE="$version")
fi
# The address is set on every build, so one given before is not kept.
configure+=(-DKELOMED_PRODUCT_ADDRESS="$address")
if [ "$pack_only" -eq 0 ]; then
    cmake "${configure[@]}" >/dev/null
    # The list of programs is read from the tables by a build step.
    cmake --build "$build" --target suite_manifest_files >/dev/null
    mapfile -t targets < <(cut -f1 "$build/suite-programs.tsv")
    cmake --build "$build" --target kelomed "${targets[@]}" >/dev/null
fi
programs="$build/suite-programs.tsv"
suite_name=$(cat "$build/suite-name.txt")
built_version=$(cat "$build/suite-version.txt")
if [ "$built_version" != "$version" ]; then
    echo "the programs in $build carry version $built_version, not $version" >&2
    exit 1
fi

scratch="$build/package"
rm -rf "$scratch"
mkdir -p "$scratch" "$output"
if grep -q $'\r' "$programs"; then
    echo "$programs: a title holds a line break, which the installer's tables cannot" >&2
    exit 1
fi

# The installer: one component per program (the home's too), and one per
# shortcut with its key path in HKCU: the home's at the top of the suite's
# Start-menu folder, each tool's in a folder of its category; ASCII
# placeholders that the tables then receive the Chinese names for.
home_name=$(cat "$build/suite-home-name.txt")
categories="$scratch/categories.tsv"
"$awk" -F'\t' '!($4 in seen) { seen[$4] = 1; print "Category" ++n "\t" $4 }' "$programs" >"$categories"
components="          <Component Id=\"ProgramHome\" Guid=\"*\" Win64=\"yes\">
            <File Id=\"FileHome\" Source=\"files/kelomed.exe\" KeyPath=\"yes\"/>
          </Component>
"
shortcuts="          <Component Id=\"MenuHome\" Guid=\"*\" Win64=\"yes\">
            <Shortcut Id=\"ShortcutHome\" Name=\"Home\" Target=\"[#FileHome]\"
                      WorkingDirectory=\"INSTALLDIR\" Icon=\"suite.ico\"/>
            <RegistryValue Root=\"HKCU\" Key=\"Software\\KeloMed\\Suite\\Shortcuts\" Name=\"Home\"
                           Type=\"integer\" Value=\"1\" KeyPath=\"yes\"/>
          </Component>
"
references="      <ComponentRef Id=\"ProgramHome\"/>
      <ComponentRef Id=\"MenuHome\"/>
"
while IFS=$'\t' read -r folder category; do
    shortcuts+="          <Directory Id=\"$folder\" Name=\"${folder#Category}\">
            <Component Id=\"${folder}Folder\" Guid=\"*\" Win64=\"yes\">
              <RemoveFolder Id=\"Remove$folder\" On=\"uninstall\"/>
              <RegistryValue Root=\"HKCU\" Key=\"Software\\KeloMed\\Suite\\Shortcuts\"
                             Name=\"$folder\" Type=\"integer\" Value=\"1\" KeyPath=\"yes\"/>
            </Component>
"
    references+="      <ComponentRef Id=\"${folder}Folder\"/>
"
    while IFS=$'\t' read -r program title subtitle program_category; do
        [ "$program_category" = "$category" ] || continue
        id=${program#kelomed-t}
        components+="          <Component Id=\"Program$id\" Guid=\"*\" Win64=\"yes\">
            <File Id=\"File$id\" Source=\"files/$program.exe\" KeyPath=\"yes\"/>
          </Component>
"
        shortcuts+="            <Component Id=\"Menu$id\" Guid=\"*\" Win64=\"yes\">
              <Shortcut Id=\"Shortcut$id\" Name=\"T$id\" Target=\"[#File$id]\"
                        WorkingDirectory=\"INSTALLDIR\" Icon=\"suite.ico\"/>
              <RegistryValue Root=\"HKCU\" Key=\"Software\\KeloMed\\Suite\\Shortcuts\" Name=\"T$id\"
                             Type=\"integer\" Value=\"1\" KeyPath=\"yes\"/>
            </Component>
"
        references+="      <ComponentRef Id=\"Program$id\"/>
      <ComponentRef Id=\"Menu$id\"/>
"
    done <"$programs"
    shortcuts+="          </Directory>
"
done <"$categories"
# wixl takes source files by relative path only.
mkdir -p "$scratch/files"
cut -f1 "$programs" | while read -r program; do cp "$build/bin/$program.exe" "$scratch/files/"; done
cp "$build/bin/kelomed.exe" "$scratch/files/"
cp app/resources/kelomed.ico "$scratch/files/suite.ico"
# Texts reach awk through its environment, never -v, which would read their
# backslashes as escapes (gawk drops the one of "\K").
COMPONENTS="$components" SHORTCUTS="$shortcuts" REFERENCES="$references" "$awk" '
    /@PROGRAM_COMPONENTS@/ { printf "%s", ENVIRON["COMPONENTS"]; next }
    /@SHORTCUT_COMPONENTS@/ { printf "%s", ENVIRON["SHORTCUTS"]; next }
    /@COMPONENT_REFS@/ { printf "%s", ENVIRON["REFERENCES"]; next }
    { print }' packaging/suite.wxs.in >"$scratch/suite.wxs"
msi="$scratch/$name.msi"
(cd "$scratch" && wixl -a x64 -D Version="$version" -D Icon=files/suite.ico -o "$name.msi" suite.wxs \
    2>wixl.log) || {
    cat "$scratch/wixl.log" >&2
    exit 1
}

# What wixl cannot write, written into its tables: each table is exported,
# its rows rewritten by awk (the first input, when given, is the programs'
# list) and imported again, so that no text is ever quoted into SQL.
edit_table() {
    local table=$1 program=$2
    shift 2
    msiinfo export "$msi" "$table" | tr -d '\r' >"$scratch/$table.idt"
    "$awk" -F'\t' -v OFS='\t' "$program" "$@" "$scratch/$table.idt" >"$scratch/$table.new.idt"
    msibuild "$msi" -i "$scratch/$table.new.idt"
}
# The database takes the Simplified Chinese code page (936) first.
printf '\r\n\r\n936\t_ForceCodepage\r\n' >"$scratch/codepage.idt"
msibuild "$msi" -i "$scratch/codepage.idt"
downgrade="已安装更新版本的 ${suite_name}，不能安装较旧的版本。如确需降级，请先在“应用和功能”中卸载现有版本。"
export SUITE_NAME="$suite_name" DOWNGRADE_TEXT="$downgrade" FILE_VERSION="$version.0"
edit_table Property 'FNR > 3 && $1 == "ProductName" { $2 = ENVIRON["SUITE_NAME"] } { print }'
edit_table Directory 'NR == FNR { name[$1] = $2; next }
    FNR > 3 && $1 == "SuiteMenu" { $3 = "KELOMED|" ENVIRON["SUITE_NAME"] }
    FNR > 3 && ($1 in name) { $3 = $3 "|" name[$1] } { print }' "$categories"
edit_table LaunchCondition \
    'FNR > 3 && $1 == "NOT WIX_DOWNGRADE_DETECTED" { $2 = ENVIRON["DOWNGRADE_TEXT"] } { print }'
export HOME_NAME="$home_name"
edit_table Shortcut 'NR == FNR { title["Shortcut" substr($1, 10)] = $2; next }
    FNR > 3 && $1 == "ShortcutHome" { $3 = $3 "|" ENVIRON["HOME_NAME"] }
    FNR > 3 && ($1 in title) { $3 = $3 "|" title[$1] } { print }' "$programs"
# Each program's version from its version resource, in Chinese (2052).
edit_table File 'FNR > 3 && $1 ~ /^File([0-9]+|Home)$/ { $5 = ENVIRON["FILE_VERSION"]; $6 = "2052" } { print }'
# A rebuild of the same version (re-signed, say) replaces the installed one:
# the version bound of the upgrade is inclusive (0x200).
edit_table Upgrade 'FNR > 3 && $7 == "WIX_UPGRADE_DETECTED" && int($5 / 512) % 2 == 0 { $5 += 512 } { print }'
# The summary in the product's language, with the package code wixl made.
package_code=$(msiinfo suminfo "$msi" | sed -n 's/^Revision number (UUID): //p')
msibuild "$msi" -s "$suite_name" KeloMed "x64;2052" "$package_code"
product_code=$(msiinfo export "$msi" Property | tr -d '\r' | "$awk" -F'\t' '$1 == "ProductCode" { print $2 }')
printf '%s\r\n' "$product_code" >"$scratch/$name-ProductCode.txt"

# The portable zip: one top folder with the programs, the guide (UTF-8 with
# a byte-order mark and CR LF, so Notepad shows it) and a sum per file.
folder="$scratch/$name"
mkdir -p "$folder"
cp "$build/bin/kelomed.exe" "$folder/"
list="    kelomed.exe  $home_name：按名称、拼音首字母或编号查找并打开下列工具"$'\n'
while IFS=$'\t' read -r program title subtitle category; do
    cp "$build/bin/$program.exe" "$folder/"
    list+="    $program.exe  $title（$category）：$subtitle"$'\n'
done <"$programs"
{
    printf '\xEF\xBB\xBF'
    PROGRAMS="${list%$'\n'}" NAME="$suite_name" VERSION="$version" "$awk" '
        { gsub(/@SUITE_NAME@/, ENVIRON["NAME"]); gsub(/@VERSION@/, ENVIRON["VERSION"]) }
        /@PROGRAMS@/ { print ENVIRON["PROGRAMS"]; next }
        { print }' packaging/README-zh-CN.txt.in
} | sed 's/$/\r/' >"$folder/README-zh-CN.txt"
(cd "$folder" && sha256sum -- *.exe README-zh-CN.txt >SHA256SUMS.txt)
rm -f "$scratch/$name-portable.zip"
(cd "$scratch" && zip -q -r -X "$name-portable.zip" "$name")

cp packaging/KeloMedSuite-uninstall.cmd "$scratch/"
for package in "${packages[@]}"; do
    cp "$scratch/$package" "$output/"
done
write_sums
echo "packages in $output:"
(cd "$output" && ls -l "${packages[@]}" SHA256SUMS | "$awk" '{print "  " $5 "  " $9}')
