#!/usr/bin/env bash
# usage: bash scripts/package.sh [--version X.Y.Z] [--output DIR] [--pack-only]
# Builds every program of the suite for Windows and packs them into DIR
# (default dist/):
#   KeloMedSuite-VERSION-x64.msi           per-machine installer for hospital IT
#   KeloMedSuite-VERSION-x64-portable.zip  one folder: the programs, a user
#                                          guide in Chinese, SHA256SUMS.txt
#   SHA256SUMS                             the sums of the two packages
# The version is the project's (CMakeLists.txt); --version builds the programs
# again with another version in a build tree of its own (to test upgrades).
# --pack-only packs programs already built (signed ones, say) without building.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

project_version=$(sed -n 's/^set(KELOMED_VERSION "\([0-9.]*\)".*/\1/p' CMakeLists.txt)
version=$project_version
output="$root/dist"
pack_only=0
while [ $# -gt 0 ]; do
    case "$1" in
        --version) version=$2; shift 2 ;;
        --output) output=$(mkdir -p "$2" && cd "$2" && pwd); shift 2 ;;
        --pack-only) pack_only=1; shift ;;
        *) echo "usage: bash scripts/package.sh [--version X.Y.Z] [--output DIR] [--pack-only]" >&2; exit 2 ;;
    esac
done
if ! [[ "$version" =~ ^[0-9]{1,3}\.[0-9]{1,3}\.[0-9]{1,5}$ ]]; then
    echo "version '$version' is not major.minor.patch" >&2
    exit 2
fi

[ "$pack_only" -eq 1 ] || bash scripts/install-deps.sh

# The project's version is the windows preset's build; another version gets
# a build tree of its own, so the two never mix.
if [ "$version" = "$project_version" ]; then
    build="$root/build/windows"
    configure=(--preset windows)
else
    build="$root/build/package-$version"
    configure=(-S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake"
        -DCMAKE_BUILD_TYPE=Release -DKELOMED_TESTS=OFF -DKELOMED_VERSION="$version")
fi
if [ "$pack_only" -eq 0 ]; then
    cmake "${configure[@]}" >/dev/null
    mapfile -t targets < <(cut -f1 "$build/suite-programs.tsv")
    cmake --build "$build" --target "${targets[@]}" >/dev/null
fi
programs="$build/suite-programs.tsv"
suite_name=$(cat "$build/suite-name.txt")
built_version=$(cat "$build/suite-version.txt")
if [ "$built_version" != "$version" ]; then
    echo "the programs in $build carry version $built_version, not $version" >&2
    exit 1
fi

name="KeloMedSuite-$version-x64"
scratch="$build/package"
rm -rf "$scratch"
mkdir -p "$scratch" "$output"

# The installer: one component and one shortcut per program, with ASCII
# placeholders that msibuild then replaces by the Chinese names.
components=""
references=""
while IFS=$'\t' read -r program title subtitle category; do
    id=${program#kelomed-t}
    components+="          <Component Id=\"Program$id\" Guid=\"*\" Win64=\"yes\">
            <File Id=\"File$id\" Source=\"files/$program.exe\" KeyPath=\"yes\"/>
            <Shortcut Id=\"Shortcut$id\" Directory=\"SuiteMenu\" Name=\"T$id\" Target=\"[#File$id]\"
                      WorkingDirectory=\"INSTALLDIR\" Icon=\"suite.ico\"/>
          </Component>
"
    references+="      <ComponentRef Id=\"Program$id\"/>
"
done <"$programs"
# wixl takes source files by relative path only.
mkdir -p "$scratch/files"
cut -f1 "$programs" | while read -r program; do cp "$build/bin/$program.exe" "$scratch/files/"; done
cp app/resources/kelomed.ico "$scratch/files/suite.ico"
awk -v components="$components" -v references="$references" '
    /@PROGRAM_COMPONENTS@/ { printf "%s", components; next }
    /@COMPONENT_REFS@/ { printf "%s", references; next }
    { print }' packaging/suite.wxs.in >"$scratch/suite.wxs"
(cd "$scratch" && wixl -a x64 -D Version="$version" -D Icon=files/suite.ico -o "$name.msi" suite.wxs \
    2>wixl.log) || {
    cat "$scratch/wixl.log" >&2
    exit 1
}

# Chinese names: the database gets the Simplified Chinese code page (936),
# then each text is written in UTF-8 and stored in it.
printf '\r\n\r\n936\t_ForceCodepage\r\n' >"$scratch/codepage.idt"
queries=(
    -q "UPDATE \`Property\` SET \`Value\`='$suite_name' WHERE \`Property\`='ProductName'"
    -q "UPDATE \`Directory\` SET \`DefaultDir\`='KELOMED|$suite_name' WHERE \`Directory\`='SuiteMenu'"
    -q "UPDATE \`LaunchCondition\` SET \`Description\`='已安装更新版本的 ${suite_name}，不能安装较旧的版本。如确需降级，请先在“应用和功能”中卸载现有版本。' WHERE \`Condition\`='NOT WIX_DOWNGRADE_DETECTED'"
)
while IFS=$'\t' read -r program title subtitle category; do
    id=${program#kelomed-t}
    queries+=(-q "UPDATE \`Shortcut\` SET \`Name\`='T$id|$title' WHERE \`Shortcut\`='Shortcut$id'")
done <"$programs"
msibuild "$scratch/$name.msi" -i "$scratch/codepage.idt" "${queries[@]}"

# The portable zip: one top folder with the programs, the guide (UTF-8 with
# a byte-order mark and CR LF, so Notepad shows it) and a sum per file.
folder="$scratch/$name"
mkdir -p "$folder"
list=""
while IFS=$'\t' read -r program title subtitle category; do
    cp "$build/bin/$program.exe" "$folder/"
    list+="    $program.exe  $title（$category）：$subtitle"$'\n'
done <"$programs"
{
    printf '\xEF\xBB\xBF'
    awk -v programs="${list%$'\n'}" -v name="$suite_name" -v version="$version" '
        { gsub(/@SUITE_NAME@/, name); gsub(/@VERSION@/, version) }
        /@PROGRAMS@/ { print programs; next }
        { print }' packaging/README-zh-CN.txt.in
} | sed 's/$/\r/' >"$folder/README-zh-CN.txt"
(cd "$folder" && sha256sum -- *.exe README-zh-CN.txt >SHA256SUMS.txt)
rm -f "$scratch/$name-portable.zip"
(cd "$scratch" && zip -q -r -X "$name-portable.zip" "$name")

cp "$scratch/$name.msi" "$scratch/$name-portable.zip" "$output/"
(cd "$output" && sha256sum "$name.msi" "$name-portable.zip" >SHA256SUMS)
echo "packages in $output:"
(cd "$output" && ls -l "$name.msi" "$name-portable.zip" SHA256SUMS | awk '{print "  " $5 "  " $9}')
