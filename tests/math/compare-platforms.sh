#!/usr/bin/env bash
# Runs the expression corpus natively and as the Windows program (the rest
# of the arguments, emulator first), each with both versions of the fast
# paths, and requires the same output from all four.
# usage: compare-platforms.sh NATIVE_CORPUS WINDOWS_COMMAND...
set -uo pipefail
native=$1
shift
if [ ! -x "$native" ]; then
    echo "FAIL no native corpus at $native (build the native preset first)"
    exit 1
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$native" portable >"$scratch/native-portable.txt"
"$native" fused >"$scratch/native-fused.txt"
"$@" portable | tr -d '\r' >"$scratch/windows-portable.txt"
"$@" fused | tr -d '\r' >"$scratch/windows-fused.txt"
status=0
for run in native-fused windows-portable windows-fused; do
    if cmp -s "$scratch/native-portable.txt" "$scratch/$run.txt"; then
        echo "same bits: native-portable and $run ($(tail -1 "$scratch/$run.txt"))"
    else
        echo "FAIL $run differs from native-portable:"
        diff "$scratch/native-portable.txt" "$scratch/$run.txt" | head -20
        status=1
    fi
done
exit $status
