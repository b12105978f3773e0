#!/usr/bin/env bash
# Draws the About window's picture: the program's diamond, large, on a soft
# blue ground, with the product name below it.  A still 200 x 200 GIF, one
# frame, no transparency.  Needs ImageMagick and the WenQuanYi Zen Hei font
# (Debian: imagemagick fonts-wqy-zenhei).  Re-makes assets/about.gif.
set -euo pipefail
cd "$(dirname "$0")"
font=/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc
/usr/bin/convert -size 200x200 gradient:'#f4f6ff-#c0c8f4' \
  -fill '#000000' -draw 'polygon 100,12 172,84 100,156 28,84' \
  -fill '#ffff00' -draw 'polygon 100,20 164,84 100,148 36,84' \
  -fill '#000000' -draw 'polygon 100,27 157,84 100,141 43,84' \
  -fill '#ffff00' -draw 'polygon 100,32 152,84 100,136 48,84' \
  -fill '#000000' -draw 'polygon 100,48 130,80 112,80 112,118 88,118 88,80 70,80' \
  -font "$font" -fill '#1a2a6c' -pointsize 15 -gravity south -annotate +0+24 'Orvane' \
  -pointsize 17 -annotate +0+4 '窗口置顶工具' \
  -colors 64 +dither -type Palette -layers flatten about.gif
/usr/bin/identify about.gif
