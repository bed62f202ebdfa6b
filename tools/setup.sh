#!/usr/bin/env bash
# Installs everything that building, running, testing and packaging Vorlant
# needs on a Debian 12 machine: the one list of its packages. tools/demo.sh,
# tools/test.sh and tools/package.sh run it first. When everything is there
# it only looks and says so; otherwise it works as root (through sudo when
# started by another user). Safe to run again.
set -euo pipefail

packages=(
    cmake ninja-build clang libclang-rt-14-dev
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools
    wine64 wine32 xvfb x11-apps imagemagick faketime
    cups printer-driver-cups-pdf poppler-utils fonts-liberation locales
    zip
)

# The 32-bit build runs under wine's 32-bit loader, which comes from i386.
have_i386() { dpkg --print-foreign-architectures | grep -qx i386; }
missing_packages() {
    local installed
    installed="$(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null |
                 awk '$NF == "installed" && $(NF-1) == "ok" { print $1 }' || true)"
    local p
    for p in "${packages[@]}"; do
        grep -qx -- "$p" <<<"$installed" || echo "$p"
    done
}
# Wine takes its ANSI code page from the locale: pl_PL gives code page 1250,
# the one the Polish texts and the congregation files are written in, as on a
# Polish Windows; en_US (1252) and ru_RU (1251) stand for a Windows in another
# language.
locales=(pl_PL en_US ru_RU)
have_locale() {
    local l
    for l in "${locales[@]}"; do
        locale -a 2>/dev/null | grep -qi "^$l\.utf-\?8\$" || return 1
    done
}

mapfile -t missing < <(missing_packages)
if have_i386 && [ "${#missing[@]}" -eq 0 ] && have_locale; then
    echo "setup: everything is there"
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    exec sudo "$0" "$@"
fi

export DEBIAN_FRONTEND=noninteractive
if ! have_i386; then
    dpkg --add-architecture i386
    apt-get update -q
    mapfile -t missing < <(missing_packages)
fi
if [ "${#missing[@]}" -gt 0 ]; then
    apt-get update -q
    apt-get install -y -q "${missing[@]}"
fi
if ! have_locale; then
    for l in "${locales[@]}"; do
        sed -i "s/^# *\($l.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    done
    locale-gen
fi
echo "setup: done"
