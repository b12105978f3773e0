#!/usr/bin/env bash
# Re-makes the pictures in docs/ (the README's and the user guide's) under
# Wine, as close to what a Windows user sees as Wine gets (tools/wine-shots.sh
# says how).  What still differs from Windows (the frame's classic look, the
# taskbar, Wine's notepad, the fonts) the captions say.
#
# It makes: the main window, the same with its controls labelled, the
# contact line under the pointer, the About window, the tray icon (enlarged),
# a pinned window in front of the active one, and the main window, the About
# window and the title bar with the tray icon at 144 dpi.  A stand-in
# browser keeps the help button from starting a real one.
set -euo pipefail
source "$(dirname "$0")/wine-shots.sh"

shots_begin shots
docs="$ORVANE_ROOT/docs"

# Saves the window box with a margin of desktop around it.
save_window() {  # file
  local m=12
  sleep 0.5
  shoot "$work/screen.png"
  /usr/bin/convert "$work/screen.png" -crop "$((WW + 2 * m))x$((WH + 2 * m))+$((WX - m))+$((WY - m))" +repage "$1"
  echo "saved $1"
}

# -------- 96 dpi: the main window, its controls, the link, About, the tray
start_program "$work/prefix" 96 300
save_window "$docs/main-window.png"

# The same picture with each control named: the guide's first picture.
client_origin 306 89
m=12
lx=$((CX - WX + m)); ly=$((CY - WY + m))   # the client area in main-window.png
pad_top=64 pad_bottom=64
font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
# Top-row labels above the window, the others below it.
labelled=$work/labelled.png
/usr/bin/convert "$docs/main-window.png" -background white -gravity north -splice 0x$pad_top \
  -gravity south -splice 0x$pad_bottom -gravity northwest -bordercolor white -border 40x0 "$labelled"
draw_label() {  # text, label x, label y (on the canvas), control x, y (client pixels)
  local px=$((40 + lx + $4)) py=$((pad_top + ly + $5)) ty=$3
  /usr/bin/convert "$labelled" -stroke '#c0392b' -strokewidth 1.5 \
    -draw "line $2,$((ty < py ? ty + 6 : ty - 16)) $px,$py" -fill '#c0392b' -draw "circle $px,$py $((px + 2)),$py" \
    -stroke none -fill '#1f1f1f' -font "$font" -pointsize 14 -gravity northwest \
    -annotate "+$(($2 - 30))+$((ty < py ? ty - 14 : ty - 14))" "$1" "$labelled"
}
canvas_w=$(/usr/bin/convert "$labelled" -format '%w' info:)
canvas_h=$(/usr/bin/convert "$labelled" -format '%h' info:)
# The lines end at the controls' edges, so that no caption is covered.
draw_label "① 设置热键"  70                   22                 56  8
draw_label "② 热键框"    170                  22                 131 8
draw_label "③ 托盘"      $((canvas_w - 150)) 22                 209 8
draw_label "④ 帮助"      $((canvas_w - 60))  22                 266 8
draw_label "⑤ 联系方式链接" 110              $((canvas_h - 12)) 60  57
draw_label "⑥ 下次自动托盘显示" $((canvas_w - 110)) $((canvas_h - 12)) 281 82
cp "$labelled" "$docs/main-window-labelled.png"
echo "saved $docs/main-window-labelled.png"

# The contact line under the pointer turns red.
xdotool mousemove $((CX + 40)) $((CY + 48))
save_window "$docs/main-window-link.png"
mx=$CX my=$CY

# 帮助: the About window (and the stand-in browser).  The main window then
# goes to the tray (托盘), leaving About alone on the desktop.
click $((mx + 266)) $((my + 22))
sleep 2
click $((mx + 301)) $((my + 47))   # the main window's right margin, in front again
sleep 0.5
click $((mx + 209)) $((my + 22))
xdotool mousemove $((screen_w - 10)) 10
window_box 500
save_window "$docs/about.png"
ax=$WX ay=$WY aw=$WW

# The tray: the right end of the virtual desktop's taskbar, enlarged three
# times, as the icon is small.
shoot "$work/screen.png"
top=$(taskbar_top "$work/screen.png")
/usr/bin/convert "$work/screen.png" -crop "120x$((screen_h - top))+$((screen_w - 120))+$top" +repage \
  -filter point -resize 300% "$docs/tray.png"
echo "saved $docs/tray.png"

# Back from the tray (a left-button press on the icon), About closed.
click $((screen_w - 10)) $(((top + screen_h) / 2))
sleep 1
click $((ax + aw - 12)) $((ay + 12))   # About's close box
sleep 1

# -------- 144 dpi (150 %), in a prefix of its own: Wine reads the DPI once
# per session.
"$WINESERVER" -k >/dev/null 2>&1 || true
sleep 1
start_program "$work/prefix-144dpi" 144 450
save_window "$docs/main-window-144dpi.png"
client_origin 459 134
mx=$CX my=$CY mw=$WW mtop=$WY mleft=$WX
click $((mx + 399)) $((my + 33))      # 帮助
sleep 2
click $((mx + 452)) $((my + 70))      # the main window's right margin, beside About
sleep 0.5
click $((mx + 313)) $((my + 33))      # 托盘
xdotool mousemove $((screen_w - 10)) 10
window_box 700
save_window "$docs/about-144dpi.png"

# The title bar (from the main window's picture) above the taskbar's right
# end with the tray icon, both at 144 dpi and at their own size.
shoot "$work/screen.png"
top=$(taskbar_top "$work/screen.png")
/usr/bin/convert "$docs/main-window-144dpi.png" -crop "$((mw + 24))x$((my - mtop + 12))+0+0" +repage "$work/title.png"
/usr/bin/convert "$work/screen.png" -crop "200x$((screen_h - top))+$((screen_w - 200))+$top" +repage "$work/tray.png"
/usr/bin/convert "$work/title.png" "$work/tray.png" -background "$desktop_colour" -gravity east \
  -splice 0x0 -append "$docs/tray-144dpi.png"
echo "saved $docs/tray-144dpi.png"

# -------- A pinned window stays in front of the active one: two of Wine's
# notepads with files of their own, the first pinned with the hotkey, the
# second clicked into over it.  Inside a Wine virtual desktop no window
# becomes the active one here (Wine 8, Xvfb), so the hotkey has nothing to
# act on; this scene runs with a window of the X side for each window, as
# the end-to-end scenarios do, and the X11 driver's "Decorated" set to N, so
# that Wine still draws the frames.  The root window's black is painted over
# in the desktop's colour afterwards.
"$WINESERVER" -k >/dev/null 2>&1 || true
sleep 1
make_prefix "$work/prefix-pinned" 96
orvane_wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1
orvane_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
"$WINESERVER" -w
# The program starts in the tray.
printf ' 119 \r\n 1 \r\n' >"$WINEPREFIX/drive_c/TopConfig.ini"
orvane_wine "$exe" >/dev/null 2>&1 &
sleep 2
notes="$WINEPREFIX/drive_c/users/Public/Documents"
mkdir -p "$notes"
printf '\xef\xbb\xbf会议记录\r\n\r\n1. 本周计划\r\n2. 下周安排\r\n' >"$notes/会议记录.txt"
printf '\xef\xbb\xbf草稿\r\n\r\n这是正在编辑的窗口。\r\n' >"$notes/草稿.txt"
xwindow() {  # the X window of a caption, once it is mapped
  local id=""
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) && [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || { echo "screenshots: no window $1" >&2; exit 1; }
  echo "$id"
}
orvane_wine notepad 'C:\users\Public\Documents\会议记录.txt' >/dev/null 2>&1 &
pad=$(xwindow "会议记录.txt - 记事本")
xdotool windowsize "$pad" 420 260 windowmove "$pad" 420 110
xdotool mousemove --window "$pad" 200 120 click 1
sleep 0.5
# Press F8 until the window manager says the window is above the others.
pinned=no
for _ in 1 2 3 4 5 6; do
  xdotool keydown F8; sleep 0.12; xdotool keyup F8
  sleep 0.4
  if xprop -id "$pad" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; then pinned=yes; break; fi
done
[ "$pinned" = yes ] || { echo "screenshots: the notepad was not pinned" >&2; exit 1; }
orvane_wine notepad 'C:\users\Public\Documents\草稿.txt' >/dev/null 2>&1 &
other=$(xwindow "草稿.txt - 记事本")
xdotool windowsize "$other" 520 320 windowmove "$other" 80 200
xdotool mousemove --window "$other" 200 260 click 1
xdotool mousemove $((screen_w - 10)) $((screen_h - 10))
sleep 1
shoot "$work/screen.png"
/usr/bin/convert "$work/screen.png" -crop 820x460+50+90 +repage \
  -fill "$desktop_colour" -draw 'color 0,0 floodfill' -draw 'color 819,0 floodfill' \
  -draw 'color 0,459 floodfill' -draw 'color 819,459 floodfill' "$docs/pinned.png"
echo "saved $docs/pinned.png"

# -------- The frame that confirms a pin: the first notepad clicked into,
# un-pinned and pinned again; the screen is taken every moment while the
# frame may show, and the first picture with the frame is kept (the pixel
# just above the notepad's top edge no longer the one without it).
xdotool mousemove --window "$pad" 200 120 click 1
sleep 0.5
xdotool keydown F8; sleep 0.12; xdotool keyup F8
sleep 1.5
eval "$(xdotool getwindowgeometry --shell "$pad")"
above="%[pixel:p{$((X + WIDTH / 2)),$((Y - 2))}]"
without=$(/usr/bin/convert "$work/screen.png" -format "$above" info:)
xdotool keydown F8; sleep 0.12; xdotool keyup F8
for i in $(seq 15); do shoot "$work/frame-$i.png"; done
framed=""
for i in $(seq 15); do
  if [ "$(/usr/bin/convert "$work/frame-$i.png" -format "$above" info:)" != "$without" ]; then
    framed="$work/frame-$i.png"
    break
  fi
done
[ -n "$framed" ] || { echo "screenshots: no frame after the pin" >&2; exit 1; }
/usr/bin/convert "$framed" -crop 820x460+50+90 +repage \
  -fill "$desktop_colour" -draw 'color 0,0 floodfill' -draw 'color 819,0 floodfill' \
  -draw 'color 0,459 floodfill' -draw 'color 819,459 floodfill' "$docs/pin-frame.png"
echo "saved $docs/pin-frame.png"
