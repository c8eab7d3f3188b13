#!/usr/bin/env bash
# The main job: builds the native launcher and starts it with the sample
# AppRun component, which prints what Run received; the launcher's exit code
# is Run's result (--exit=N chooses it).
# Usage: run-main.sh [ARGUMENTS...]   (default: a few Japanese arguments)
set -euo pipefail
cd "$(dirname "$0")/.."

echo "Checking build dependencies (the first run installs them)..." >&2
bash scripts/install-deps.sh >/dev/null
cmake --preset native >/dev/null
cmake --build --preset native --target KestovaLink AppRun >/dev/null
echo "Starting the launcher with the sample AppRun component:" >&2

if [ "$#" -eq 0 ]; then
    set -- "表ソ" "C:\\データ\\決算.txt" "--exit=3"
fi
status=0
build/native/bin/KestovaLink "$@" || status=$?
echo "exit code: $status"
