#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it under Wine.
# With no display it starts a virtual one, saves a screenshot of the running
# window, and says where.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"

# The program alone, and only the build that Wine will run (the 64-bit one
# where 32-bit code runs emulated or not at all): the tests and the bench can
# wait.
orvane_build_for_wine orvane
exe=$ORVANE_PROGRAM
echo "The program: $exe"

headless=0
if [ -z "${DISPLAY:-}" ]; then headless=1; fi
trap orvane_stop_display EXIT  # set first: a display that fails half-way is ended too
orvane_display
orvane_locale
orvane_prefix "${ORVANE_WINEPREFIX:-$HOME/.local/share/orvane/wine-$ORVANE_ARCH}"
echo "Settings file C:\\TopConfig.ini: $WINEPREFIX/drive_c/TopConfig.ini"

if [ "$headless" = 0 ]; then
  orvane_wine "$exe"
  exit 0
fi

orvane_wine "$exe" &
for i in $(seq 100); do
  xwininfo -root -tree 2>/dev/null | grep -q '"Orvane窗口置顶工具 V2.0"' && break
  sleep 0.1
done
sleep 1
shot="$ORVANE_OUT/screenshot.png"
/usr/bin/import -window root "$shot"
echo "No display: the program ran on a virtual one; screenshot saved to $shot"
