#!/usr/bin/env bash
# install-deps.sh [run|test]: installs, from Debian's packages, what the
# program needs to be built and run under Wine on a virtual display (run), or
# that and everything the tests need (test, the default).  Idempotent: when
# everything is present it only checks and returns within a second or two.
# The names are those that Debian 12 and 13 both ship, with no version in
# them, so the same list serves both.
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

# Running the program: the cross compilers (the 64-bit one for kernels that
# can't run 32-bit code), Wine, the headless display, its window manager, a
# screenshot tool, and fonts for the Chinese interface.
RUN_PACKAGES=(
  cmake ninja-build
  g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
  wine wine32:i386 wine64 locales
  xvfb xdotool x11-utils imagemagick openbox
  fonts-wqy-zenhei fonts-wqy-microhei fonts-arphic-uming fonts-arphic-ukai
)
# The tests: the native compiler and GoogleTest, clang with its sanitizer and
# fuzzer runtimes, the format and analysis tools, python for the release zip.
TEST_PACKAGES=(
  build-essential libgtest-dev clang libclang-rt-dev
  clang-format clang-tidy cppcheck python3
)

case "${1:-test}" in
  run) PACKAGES=("${RUN_PACKAGES[@]}") ;;
  test) PACKAGES=("${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}") ;;
  *) echo "usage: install-deps.sh [run|test]" >&2; exit 2 ;;
esac

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
echo "install-deps: installing $todo"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $todo >/dev/null
echo "install-deps: done"
