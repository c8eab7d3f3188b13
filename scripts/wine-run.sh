#!/usr/bin/env bash
# Runs a Windows program under Wine as the tests need it: a prefix of the
# program's own word size under the build folder, a Japanese locale (so the
# ANSI code page is 932), quiet diagnostics and a server kept alive between
# starts. Usage: wine-run.sh PROGRAM.exe [ARGS...]
set -euo pipefail

program=$1
bindir=$(cd "$(dirname "$program")" && pwd)

# The PE machine field tells which Wine loader and prefix the program needs.
pe_offset=$(od -An -tu4 -j60 -N4 "$program" | tr -d ' ')
machine=$(od -An -tx2 -j$((pe_offset + 4)) -N2 "$program" | tr -d ' ')
case "$machine" in
    14c)  arch=win32; loader=/usr/lib/wine/wine ;;
    8664) arch=win64; loader=/usr/lib/wine/wine64 ;;
    *) echo "wine-run: $program is not an i386 or x86-64 PE file" >&2; exit 125 ;;
esac
[ -x "$loader" ] || loader=$(command -v wine)

export WINEPREFIX=${KESTOVA_WINEPREFIX:-$(dirname "$bindir")/wineprefix-$arch}
export WINEARCH=$arch
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/system.reg" ]; then
            "$loader" wineboot -i >/dev/null 2>&1 || true
            wineserver -w || true
        fi
    ) 9>"$WINEPREFIX.lock"
fi
# Keep the server up between the many short starts of a test run, and let a
# first, silent start bring up the session's background programs: they keep
# the output of the program that started them open, which would make CTest
# wait for them long after the test itself has ended.
wineserver -p >/dev/null 2>&1 </dev/null || true
"$loader" wineboot >/dev/null 2>&1 </dev/null || true

exec "$loader" "$@"
