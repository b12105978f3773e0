#!/usr/bin/env bash
# e2e.sh [CTEST-ARGS...]: builds the program for Wine and runs the end-to-end
# scenarios on a virtual display of their own: all of them, or those that the
# ctest arguments pick (scripts/e2e.sh -R 'e2e\.pin_' --repeat until-fail:5).
# Runs on one machine wait for each other: two suites on one desktop would
# press each other's keys.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"

exec 9>"${TMPDIR:-/tmp}/orvane-e2e.lock"
flock 9

orvane_build_for_wine

trap orvane_stop_display EXIT  # set first: a display that fails half-way is ended too
orvane_display virtual
orvane_locale
prefix="$ORVANE_OUT/e2e-prefix-$ORVANE_ARCH"
rm -rf "$prefix" "$prefix-120dpi" "$prefix-16bit"
orvane_prefix "$prefix"
# A second prefix at 120 dpi: Wine reads the DPI once per session.
cp -a "$prefix" "$prefix-120dpi"
# A third on a display of 16 bits a pixel, where no colour may hide the frame.
cp -a "$prefix" "$prefix-16bit"
main_display=$DISPLAY
ORVANE_DEPTH=16 orvane_display virtual
export ORVANE_16BIT_DISPLAY=$DISPLAY ORVANE_16BIT_PREFIX=$prefix-16bit
export DISPLAY=$main_display
export ORVANE_DPI_PREFIX=$prefix-120dpi
WINEPREFIX=$ORVANE_DPI_PREFIX orvane_wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 120 /f >/dev/null 2>&1
WINEPREFIX=$ORVANE_DPI_PREFIX "$WINESERVER" -w
"$WINESERVER" -p  # keep one server for the whole run
# Wine's background services start with the first program; start them now,
# with no part in ctest's output, or ctest waits for them to close it.
orvane_wine cmd /c exit >/dev/null 2>&1 </dev/null || true
if [ "$ORVANE_I386" = none ]; then
  echo "(the 32-bit release scenario is skipped: this kernel can't run 32-bit code; tools/enable-i386-emulation.sh, as root, enables it through qemu)"
fi
ctest --test-dir "$ORVANE_OUT/$ORVANE_ARCH" --output-on-failure "$@"
