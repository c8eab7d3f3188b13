#!/usr/bin/env bash
# Builds every target and runs all their tests. Exits non-zero on any failure.
#   native       Linux over the POSIX platform layer
#   native-asan  the same under AddressSanitizer and UndefinedBehaviorSanitizer
#   win32        the product (i686); its Wine tests run where the kernel
#                executes 32-bit programs, its file checks always
#   win64        the same Windows code as x86-64 under 64-bit Wine
#   fuzz         every fuzz target for a short, bounded time (clang)
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc)
failed=()
step() { echo; echo "=== $*"; }

# Windows programs that show a box need a display: use Xvfb when there is none.
xvfb_pid=
if [ -z "${DISPLAY:-}" ]; then
    for n in $(seq 90 120); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }
    done
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=$display
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
fi
cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

can_run_i386() {
    [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

run_preset() {
    local preset=$1; shift
    step "$preset: configure and build"
    if ! cmake --preset "$preset" >/dev/null || ! cmake --build --preset "$preset" -j "$jobs"; then
        failed+=("$preset build"); return
    fi
    step "$preset: test $*"
    ctest --preset "$preset" "$@" || failed+=("$preset tests")
}

run_preset native
run_preset native-asan
if can_run_i386; then
    run_preset win32
else
    echo
    echo "=== win32: this kernel does not run 32-bit programs, so 32-bit Wine cannot start;"
    echo "    the i686 product is built and its files checked here, and the same Windows"
    echo "    code runs its tests under 64-bit Wine in the win64 preset."
    run_preset win32 -L host
fi
run_preset win64
run_preset fuzz

echo
if [ "${#failed[@]}" -gt 0 ]; then
    echo "FAILED: ${failed[*]}"
    exit 1
fi
echo "All targets built and all tests passed."
