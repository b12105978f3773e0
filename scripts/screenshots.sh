#!/usr/bin/env bash
# Re-makes the pictures in docs/ (the README's and the user guide's): the main
# window, the contact line under the pointer, the About window, the tray, and
# a pinned window in front of the active one, under Wine on a virtual display.  A stand-in browser keeps the help button from starting a real one.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"

orvane_build_for_wine
exe=$ORVANE_PROGRAM
trap orvane_stop_display EXIT  # set first: a display that fails half-way is ended too
orvane_display virtual
orvane_locale
prefix="$ORVANE_OUT/shots-prefix-$ORVANE_ARCH"
rm -rf "$prefix"
orvane_prefix "$prefix"
mkdir -p "$WINEPREFIX/drive_c/Program Files/Internet Explorer"
cp "$ORVANE_OUT/$ORVANE_ARCH/tests/e2e/browser_stub.exe" "$WINEPREFIX/drive_c/Program Files/Internet Explorer/iexplore.exe"
docs="$ORVANE_ROOT/docs"

window() {  # the X window of a caption, once it is mapped
  local id=""
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) && [ -n "$id" ] && break
    sleep 0.1
  done
  echo "$id"
}
origin() {  # window id: sets X and Y, its client area's top left on the screen
  X=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print $4}')
  Y=$(xwininfo -id "$1" | awk '/Absolute upper-left Y/ {print $4}')
}
shot() {  # window id, file: the window with its frame
  [ -n "$1" ] || { echo "screenshots: window not found for $2" >&2; exit 1; }
  sleep 0.6
  /usr/bin/import -window "$1" -frame "$2"
  echo "saved $2"
}

xdotool mousemove 1010 10
orvane_wine "$exe" >/dev/null 2>&1 &
main=$(window "Orvane窗口置顶工具 V2.0")
shot "$main" "$docs/main-window.png"

origin "$main"
xdotool mousemove $((X + 40)) $((Y + 48))
shot "$main" "$docs/main-window-link.png"
xdotool mousemove $((X + 280)) $((Y + 20)) click 1   # 帮助
about=$(window "关于Orvane窗口置顶工具")
shot "$about" "$docs/about.png"

xdotool windowactivate --sync "$about" key alt+F4
sleep 0.5
xdotool mousemove $((X + 210)) $((Y + 20)) click 1   # 托盘
xdotool mousemove 1010 10
tray=$(window "Wine System Tray")
sleep 0.5
/usr/bin/import -window root -crop 200x60+0+0 +repage "$docs/tray.png"
echo "saved $docs/tray.png"

# A pinned window stays in front of the active one: one of Wine's notepads
# pinned with the hotkey (the program is in the tray now), then a second one
# clicked into over it.
notepad="\\(未命名\\) - 记事本"  # a pattern: the parentheses are literal
orvane_wine notepad >/dev/null 2>&1 &
pad=$(window "$notepad")
xdotool windowsize "$pad" 420 260 windowmove "$pad" 60 60
xdotool mousemove --window "$pad" 200 120 click 1
sleep 0.5
# Hold F8 until the window manager says the window is above the others.
xdotool keydown F8
for _ in $(seq 40); do
  xprop -id "$pad" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE && break
  sleep 0.05
done
xdotool keyup F8
xprop -id "$pad" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE ||
  { echo "screenshots: the notepad was not pinned" >&2; exit 1; }
orvane_wine notepad >/dev/null 2>&1 &
other=""
for _ in $(seq 100); do
  other=$(xdotool search --onlyvisible --name "^$notepad\$" 2>/dev/null | grep -vx "$pad" | head -1) &&
    [ -n "$other" ] && break
  sleep 0.1
done
xdotool windowsize "$other" 520 320 windowmove "$other" 300 150
xdotool mousemove --window "$other" 400 200 click 1
xdotool type --window "$other" "the active window"
xdotool mousemove 1010 750
sleep 1
/usr/bin/import -window root -crop 780x500+40+40 +repage "$docs/pinned.png"
echo "saved $docs/pinned.png"

# The main window and the About window at 144 dpi (150 %), in a prefix of
# their own: Wine reads the DPI once per session.
"$WINESERVER" -k >/dev/null 2>&1 || true
hidpi="$ORVANE_OUT/shots-prefix-144dpi-$ORVANE_ARCH"
rm -rf "$hidpi"
cp -a "$WINEPREFIX" "$hidpi"
export WINEPREFIX=$hidpi
rm -f "$WINEPREFIX/drive_c/TopConfig.ini"
orvane_wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
"$WINESERVER" -w
xdotool mousemove 1010 750
orvane_wine "$exe" >/dev/null 2>&1 &
main=$(window "Orvane窗口置顶工具 V2.0")
shot "$main" "$docs/main-window-144dpi.png"
origin "$main"
xdotool mousemove $((X + 400)) $((Y + 30)) click 1   # 帮助
about=$(window "关于Orvane窗口置顶工具")
xdotool mousemove 1010 750
shot "$about" "$docs/about-144dpi.png"
