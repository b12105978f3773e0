#!/usr/bin/env bash
# Pictures of the program's two windows at 96, 120 and 144 dpi, to compare a
# change pixel for pixel with the build before it:
#   tools/look.sh OUTDIR                 main-<dpi>.png (pointer away),
#                                        main-link-<dpi>.png (pointer on the
#                                        contact line), about-<dpi>.png
#   tools/look.sh --compare DIR_A DIR_B  pixels that differ, file by file;
#                                        exit 0 only when none do
# Each picture is the window alone with its frame, so that nothing else on
# the screen (the desktop, the taskbar's clock) can differ between runs.
# Take both sets on one machine: the pictures are what this Wine draws.
set -euo pipefail

usage() {
  echo "usage: $0 OUTDIR | $0 --compare DIR_A DIR_B" >&2
  exit 2
}

size() { /usr/bin/identify -format '%wx%h' "$1"; }

# How many pixels differ; compare alone says 0 for pictures of different
# sizes whose shared part agrees, so the sizes are checked first.
differ() {  # picture, picture
  local a b n
  a=$(size "$1") b=$(size "$2")
  [ "$a" = "$b" ] || { echo "size $a against $b"; return; }
  n=$(/usr/bin/compare -metric AE -precision 16 "$1" "$2" null: 2>&1) || true
  echo "$n"
}

if [ "${1:-}" = --compare ]; then
  if [ $# -ne 3 ] || [ ! -d "$2" ] || [ ! -d "$3" ]; then usage; fi
  total=0 bad=0
  for a in "$2"/*.png; do
    [ -e "$a" ] || break
    name=${a##*/} total=$((total + 1))
    if [ ! -f "$3/$name" ]; then
      n="missing from $3"
    else
      n=$(differ "$a" "$3/$name")
    fi
    case $n in
      0) echo "$name: 0 pixels differ" ;;
      [0-9]*) echo "$name: $n pixels differ"; bad=$((bad + 1)) ;;
      *) echo "$name: $n"; bad=$((bad + 1)) ;;
    esac
  done
  for b in "$3"/*.png; do  # a picture only the second set has is a difference too
    [ -e "$b" ] && [ ! -e "$2/${b##*/}" ] &&
      { echo "${b##*/}: missing from $2"; total=$((total + 1)) bad=$((bad + 1)); }
  done
  [ "$total" -gt 0 ] || { echo "no pictures in $2"; exit 1; }
  if [ "$bad" -eq 0 ]; then echo "all $total pictures the same"; else echo "$bad of $total pictures differ"; exit 1; fi
  exit 0
fi

if [ $# -ne 1 ] || [ "${1#-}" != "$1" ]; then usage; fi
mkdir -p "$1"
out=$(cd "$1" && pwd)
source "$(dirname "$0")/wine-shots.sh"
shots_begin look

# Saves the window alone once its painting has settled: two looks 0.5 s
# apart that find the same box with the same pixels (and, given a most
# height, a box no taller: one window, not two).  The PNG leaves out its time
# stamps, so two runs that agree give the same bytes.
save_settled() {  # file, the window's least width[, most height]
  local prev="" box
  for _ in $(seq 40); do
    window_box "$2"
    box="${WW}x${WH}+${WX}+${WY}"
    /usr/bin/convert "$work/screen.png" -crop "$box" +repage "$work/now.png"
    if [ "$box" = "$prev" ] && [ "$WH" -le "${3:-$WH}" ] &&
       [ "$(differ "$work/now.png" "$work/before.png")" = 0 ]; then
      /usr/bin/convert "$work/now.png" -define png:exclude-chunks=date,time "$1"
      echo "saved $1 ($box)"
      return 0
    fi
    prev=$box
    mv "$work/now.png" "$work/before.png"
    sleep 0.5
  done
  echo "$shots_name: the window never stopped changing for $1" >&2
  exit 1
}

# Twips to pixels at this DPI, rounded as the program rounds (MulDiv).
px() { echo $((($1 * dpi + 720) / 1440)); }

for dpi in 96 120 144; do
  # Wine reads the DPI once per session: each DPI gets a prefix of its own,
  # the one before ended first.
  if [ "$dpi" != 96 ]; then "$WINESERVER" -k >/dev/null 2>&1 || true; sleep 1; fi
  cw=$(px 4590) ch=$(px 1335)  # the main window's client area
  start_program "$work/prefix-$dpi" "$dpi" "$cw"
  save_settled "$out/main-$dpi.png" "$cw"
  frame_h=$((WH - ch))  # the caption and the borders' height, About's too

  # The contact line under the real pointer turns red.
  client_origin "$cw" "$ch"
  xdotool mousemove $((CX + $(px 600))) $((CY + $(px 720)))
  save_settled "$out/main-link-$dpi.png" "$cw"
  [ "$(differ "$out/main-$dpi.png" "$out/main-link-$dpi.png")" != 0 ] ||
    { echo "$shots_name: the contact line did not change under the pointer at $dpi dpi" >&2; exit 1; }

  # 帮助 opens About (and the stand-in browser).  The main window then goes
  # to the tray (托盘), in front again first by a click on its right margin,
  # leaving About alone on the desktop, where its box is found by colour:
  # About overlaps the main window, and a box of both would be taller.
  click $((CX + $(px 3997))) $((CY + $(px 322)))
  sleep 2
  click $((CX + $(px 4515))) $((CY + $(px 705)))
  sleep 0.5
  click $((CX + $(px 3142))) $((CY + $(px 322)))
  park_pointer
  save_settled "$out/about-$dpi.png" "$(px 7965)" $(($(px 2985) + frame_h))
done
