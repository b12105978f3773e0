# shellcheck shell=bash disable=SC2034  # CX, CY and the like are for the scripts that source this
# Sourced by tools/screenshots.sh and tools/look.sh: the program's windows
# under Wine as close to what a Windows user sees as Wine gets.  The windows
# open in a Wine virtual desktop, so that Wine draws their frames itself
# (caption, minimise and close boxes, borders) as Windows does, rather than
# the X window manager; the desktop is light; the tray icon sits in the
# virtual desktop's own taskbar.  Windows are found on the screen by colour:
# whatever is not desktop colour above the taskbar.
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/wine-env.sh"

shots_name=${0##*/}

# Takes the lock, builds, and starts the display: sets exe (the program) and
# work (an empty folder for scratch pictures and prefixes).
shots_begin() {  # the scratch folder's name under out/
  # One Wine display run at a time on this machine: two would press each
  # other's keys.  The same lock as the end-to-end scenarios.
  exec 9>"${TMPDIR:-/tmp}/orvane-e2e.lock"
  flock 9

  orvane_build_for_wine
  exe=$ORVANE_PROGRAM
  work="$ORVANE_OUT/$1"
  rm -rf "$work"
  mkdir -p "$work"

  # Wine draws the caption buttons with the Marlett font, which Debian ships
  # in fonts-wine, a package the run and test commands leave out (its fonts
  # would change every other window's fallback).  The pictures' prefixes
  # alone get Marlett, from the package file, fetched once.
  marlett="$ORVANE_OUT/fonts-wine/marlett.ttf"
  if [ ! -f "$marlett" ]; then
    local deb_dir
    deb_dir=$(mktemp -d)
    (cd "$deb_dir" && apt-get download fonts-wine >/dev/null 2>&1) ||
      { echo "$shots_name: apt-get download fonts-wine failed (Marlett draws the caption buttons)" >&2; exit 1; }
    dpkg-deb -x "$deb_dir"/fonts-wine_*.deb "$deb_dir/x"
    mkdir -p "$(dirname "$marlett")"
    cp "$deb_dir/x/usr/share/wine/fonts/marlett.ttf" "$marlett"
    rm -rf "$deb_dir"
  fi

  trap orvane_stop_display EXIT  # set first: a display that fails half-way is ended too
  orvane_display virtual
  orvane_locale
}

# The desktop's colour: a light one, as most Windows desktops are.
desktop_rgb="219 229 241"
desktop_rgb_commas=${desktop_rgb// /,}
desktop_colour="rgb($desktop_rgb_commas)"
export ORVANE_SCREEN=1280x1024
screen_w=${ORVANE_SCREEN%x*}
screen_h=${ORVANE_SCREEN#*x}

# A prefix whose programs all open in one virtual desktop named "shell" (the
# name that gives it a taskbar with a notification area) filling the screen,
# with a stand-in browser, so that the help button starts no real one.
make_prefix() {  # path, dpi
  rm -rf "$1"
  orvane_prefix "$1"
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/"
  mkdir -p "$WINEPREFIX/drive_c/Program Files/Internet Explorer"
  cp "$ORVANE_OUT/$ORVANE_ARCH/tests/e2e/browser_stub.exe" \
    "$WINEPREFIX/drive_c/Program Files/Internet Explorer/iexplore.exe"
  orvane_wine reg add 'HKCU\Control Panel\Colors' /v Background /d "$desktop_rgb" /f >/dev/null 2>&1
  orvane_wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1
  orvane_wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d "$ORVANE_SCREEN" /f >/dev/null 2>&1
  orvane_wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$2" /f >/dev/null 2>&1
  "$WINESERVER" -w
}

# The taskbar's top row: below the lowest row, in the middle of the screen,
# that is desktop colour.
taskbar_top() {  # screenshot
  /usr/bin/convert "$1" -crop "1x120+$((screen_w / 2))+$((screen_h - 120))" +repage -depth 8 txt:- |
    awk -v base=$((screen_h - 120)) -v h="$screen_h" -v want="($desktop_rgb_commas)" '
      /^[0-9]/ { split($1, at, "[,:]"); if (index($2, want) == 1) top = base + at[2] + 1 }
      END { print (top ? top : h) }'
}

shoot() {  # file: the whole screen
  /usr/bin/import -window root "$1"
}

# Sets WX WY WW WH to the box of everything on the desktop above the taskbar
# that is not desktop colour: with one window shown, that window with its
# frame.  Waits for it to be at least $1 pixels wide.  The screen stays in
# $work/screen.png.
window_box() {
  local box="" shot=$work/screen.png top
  for _ in $(seq 100); do
    sleep 0.3
    shoot "$shot"
    top=$(taskbar_top "$shot")
    box=$(/usr/bin/convert "$shot" -crop "${screen_w}x${top}+0+0" +repage \
            -bordercolor "$desktop_colour" -border 1 -format '%@' info: 2>/dev/null || true)
    WW=${box%%x*}
    [ -n "$WW" ] && [ "$WW" -ge "$1" ] && [ "$WW" -lt "$screen_w" ] && break
  done
  [ -n "$box" ] || { echo "$shots_name: no window on the desktop" >&2; exit 1; }
  WW=${box%%x*}; box=${box#*x}
  WH=${box%%+*}; box=${box#*+}
  WX=$((${box%%+*} - 1)); WY=$((${box#*+} - 1))  # the border added one
}

# The client area's top left (CX, CY) of the window in the box, from its
# client size in pixels at this DPI: the frame is as wide at the bottom and
# the sides.
client_origin() {  # client width, client height
  local border=$(((WW - $1) / 2))
  CX=$((WX + border))
  CY=$((WY + WH - border - $2))
}

click() {  # x, y on the screen
  xdotool mousemove "$1" "$2" click 1
}

park_pointer() {  # in the desktop's top right corner, off every window
  xdotool mousemove $((screen_w - 10)) 10
}

# Starts the program in a prefix of its own at a DPI, the pointer out of the
# way, and finds its main window's box: prefix, dpi, the window's width.
start_program() {
  make_prefix "$1" "$2"
  park_pointer
  orvane_wine "$exe" >/dev/null 2>&1 &
  window_box "$3"
}
