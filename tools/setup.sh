#!/usr/bin/env bash
# Installs what building and testing need on a fresh Debian machine: the i386 architecture,
# Wine, the mingw-w64 cross compiler, GoogleTest's sources, CMake and Ninja. Idempotent,
# and silent when everything is present.
set -euo pipefail

packages=(cmake ninja-build g++-mingw-w64-i686-posix googletest wine wine32:i386 binutils-mingw-w64-i686)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
