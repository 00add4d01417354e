#!/usr/bin/env bash
# Builds the program and runs it: the native self-test of tool 48, whose
# report is printed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
bash scripts/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native --target kelomed-t048 >/dev/null
report="$root/build/selftest-t048.txt"
status=0
build/native/bin/kelomed-t048 --selftest "$report" || status=$?
cat "$report"
echo "exit code: $status"
exit "$status"
