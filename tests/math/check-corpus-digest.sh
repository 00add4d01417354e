#!/usr/bin/env bash
# Runs the expression corpus (the rest of the arguments: an emulator first
# when cross-built) with each version of the fast paths and requires the
# digest line of DIGEST_FILE from both: the bits the native build gave.
# usage: check-corpus-digest.sh DIGEST_FILE COMMAND...
set -uo pipefail
expected=$(tr -d '\r' <"$1")
shift
status=0
for path in portable fused; do
    actual=$("$@" "$path" | tr -d '\r' | tail -1)
    if [ "$actual" = "$expected" ]; then
        echo "same bits with the $path fast paths: $actual"
    else
        echo "FAIL the $path fast paths give [$actual], expected [$expected]"
        status=1
    fi
done
exit $status
