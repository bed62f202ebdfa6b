#!/usr/bin/env bash
# Installs everything that building, running and testing Vorlant needs on a
# Debian 12 machine. Run as root (or through sudo); safe to run again.
set -euo pipefail

if [ "$(id -u)" -ne 0 ]; then
    exec sudo "$0" "$@"
fi

export DEBIAN_FRONTEND=noninteractive
# The 32-bit build runs under wine's 32-bit loader, which comes from i386.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    apt-get update -q
fi
packages=(
    cmake ninja-build clang libclang-rt-14-dev
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools
    wine64 wine32 xvfb x11-apps imagemagick
    cups printer-driver-cups-pdf poppler-utils fonts-liberation locales
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
    apt-get update -q
    apt-get install -y -q "${missing[@]}"
fi

# Wine takes its ANSI code page from the locale: pl_PL gives code page 1250,
# the one the Polish texts and the congregation files are written in.
if ! locale -a 2>/dev/null | grep -qi '^pl_PL\.utf-\?8$'; then
    sed -i 's/^# *\(pl_PL.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    locale-gen
fi
echo "setup: done"
