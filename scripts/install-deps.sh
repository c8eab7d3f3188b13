#!/usr/bin/env bash
# Installs everything the build and the tests need on a fresh Debian 12 machine.
# Safe to run again: apt-get skips what is there, locale-gen only adds.
set -euo pipefail

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

packages=(
    build-essential cmake ninja-build pkg-config
    g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools
    wine wine32:i386 wine64 xvfb xauth
    locales fonts-ipafont-gothic
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    liblog4cxx-dev libtinyxml2-dev
    clang libclang-rt-14-dev llvm
    python3 python3-pefile valgrind hyperfine
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        as_root dpkg --add-architecture i386
    fi
    as_root apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Wine takes its ANSI code page from the Unix locale: ja_JP.UTF-8 gives 932.
if ! locale -a 2>/dev/null | grep -qiE '^ja_JP\.utf-?8$'; then
    as_root sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen
fi
