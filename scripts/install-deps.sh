#!/usr/bin/env bash
# Installs, from Debian's packages, everything needed to build the program,
# run it under Wine on a virtual display, and run its tests.  Idempotent: when
# everything is present it only checks and returns within a second or two.
set -euo pipefail

need_root() {
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then SUDO=sudo; else
      echo "install-deps: run as root (or install sudo)" >&2; exit 1
    fi
  else
    SUDO=
  fi
}

# Native toolchain and tests, the cross compiler, Wine, the headless display
# and the tools that drive and photograph it, and fonts for the Chinese UI.
PACKAGES=(
  build-essential cmake ninja-build libgtest-dev
  g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
  wine wine32:i386 wine64 locales
  xvfb xdotool x11-utils imagemagick openbox
  fonts-wqy-zenhei fonts-wqy-microhei fonts-arphic-uming fonts-arphic-ukai
  clang-format clang-tidy cppcheck python3 clang libclang-rt-14-dev
)

missing() {
  local p out=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || out+=("$p")
  done
  echo "${out[@]:-}"
}

todo=$(missing)
if [ -z "$todo" ]; then
  exit 0
fi
need_root
echo "install-deps: installing:$todo"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $todo >/dev/null
echo "install-deps: done"
