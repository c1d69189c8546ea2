#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Quorvel - draws every picture and clip kept in this folder.
#
#   assets/generate.sh [output-folder]
#
# Writes, into the output folder (default: the folder holding this script):
#   rosso.gif verde.gif blu.gif grigio.gif   the machine at work, 385x281,
#                                            16 frames x 80 ms, played once
#   luce1.gif .. luce4.gif                   lamps, 41x41 (yellow lit, off,
#                                            red lit, green lit), transparent
#                                            around the lamp
#   info.png                                 emblem for the information panel
#
# Only ImageMagick's `convert` is needed. Every shape is computed here (no
# fonts, no outside pictures), so running the script again gives the same
# bytes. The clips show gears, needles, lamps and bars, never a digit or a
# letter: a number on the clip could be taken for the machine's output.

set -euo pipefail
export LC_ALL=C

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="${1:-$here}"
mkdir -p "$out"

if ! command -v convert >/dev/null 2>&1; then
  echo "generate.sh: ImageMagick 'convert' is required" >&2
  exit 1
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# PNG files carry no dates, so that repeated runs give identical files.
png_opts=(-strip -define "png:exclude-chunks=date,time")

# ---------------------------------------------------------------------------
# The machine at work
# ---------------------------------------------------------------------------

W=385
H=281
FRAMES=16
DELAY=8          # hundredths of a second per frame

# Writes the drawing (MVG) of one frame on standard output.
#   frame_mvg FRAME MAIN LIGHT DARK BODY
frame_mvg() {
  awk -v f="$1" -v F="$FRAMES" -v W="$W" -v H="$H" \
      -v main="$2" -v light="$3" -v dark="$4" -v body="$5" '
function rad(a) { return a * 3.14159265358979 / 180 }

# A gear centred on cx,cy: n teeth, tip radius R, root radius r, turned by phi degrees.
function gear(cx, cy, R, r, n, phi, holes,    k, a, pb, pt, wb, wt) {
  pb = 2 * 3.14159265358979 * r / n
  pt = 2 * 3.14159265358979 * R / n
  wb = 0.30 * pb
  wt = 0.16 * pt
  printf "push graphic-context\n"
  printf "translate %.2f,%.2f\n", cx, cy
  printf "rotate %.3f\n", phi
  printf "fill \"%s\"\nstroke \"%s\"\nstroke-width 2\nstroke-linejoin round\n", main, main
  for (k = 0; k < n; k++) {
    printf "push graphic-context\nrotate %.3f\n", k * 360 / n
    printf "polygon %.2f,%.2f %.2f,%.2f %.2f,%.2f %.2f,%.2f\n", -wb, -r + 3, -wt, -R, wt, -R, wb, -r + 3
    printf "pop graphic-context\n"
  }
  printf "circle 0,0 %.2f,0\n", r
  printf "fill none\nstroke \"%s\"\nstroke-width 3\n", light
  printf "circle 0,0 %.2f,0\n", r * 0.80
  printf "fill \"%s\"\nstroke none\n", dark
  for (k = 0; k < holes; k++) {
    a = rad(k * 360 / holes)
    printf "circle %.2f,%.2f %.2f,%.2f\n", cos(a) * r * 0.50, sin(a) * r * 0.50, cos(a) * r * 0.50 + r * 0.15, sin(a) * r * 0.50
  }
  printf "fill \"%s\"\nstroke \"%s\"\nstroke-width 3\n", dark, light
  printf "circle 0,0 %.2f,0\n", r * 0.20
  printf "pop graphic-context\n"
}

# A four-pointed sparkle.
function sparkle(x, y, s) {
  printf "fill \"#ffffff\"\nstroke \"%s\"\nstroke-width 1\n", light
  printf "polygon %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f\n",
    x, y - s, x + s * 0.28, y - s * 0.28, x + s, y, x + s * 0.28, y + s * 0.28,
    x, y + s, x - s * 0.28, y + s * 0.28, x - s, y, x - s * 0.28, y - s * 0.28
  printf "stroke none\n"
}

BEGIN {
  last = F - 1
  p = f / last                      # 0 on the first frame, 1 on the last
  busy = (f > 0 && f < last)

  printf "viewbox 0 0 %d %d\n", W, H
  printf "stroke-antialias 1\n"

  # night-blue background with a faint grid of dots
  printf "fill \"#0b1236\"\nstroke none\nrectangle 0,0 %d,%d\n", W, H
  printf "fill \"#18245e\"\n"
  for (y = 8; y < H; y += 22)
    for (x = 8; x < W; x += 22)
      printf "circle %d,%d %.1f,%d\n", x, y, x + 1.3, y

  # the body of the machine
  printf "fill \"#050918\"\nfill-opacity 0.6\nroundrectangle 22,18 370,274 24,24\nfill-opacity 1\n"
  printf "fill \"%s\"\nstroke \"%s\"\nstroke-width 5\nroundrectangle 18,12 366,268 24,24\n", body, main
  printf "fill none\nstroke \"%s\"\nstroke-width 1.5\nstroke-opacity 0.5\nroundrectangle 26,20 358,260 18,18\nstroke-opacity 1\n", light
  # corner screws
  split("34,28 350,28 34,252 350,252", screws, " ")
  for (k = 1; k <= 4; k++) {
    split(screws[k], c, ",")
    printf "fill \"%s\"\nstroke \"%s\"\nstroke-width 1.5\ncircle %s,%s %.1f,%s\n", dark, light, c[1], c[2], c[1] + 5, c[2]
    printf "stroke-width 2\nline %.1f,%.1f %.1f,%.1f\n", c[1] - 3, c[2] + 3, c[1] + 3, c[2] - 3
  }

  # the display: a row of bars that dance while the machine is busy and rest low before and
  # after; no digits or letters, so nothing on the clip can be mistaken for the output
  printf "fill \"#060a18\"\nstroke \"%s\"\nstroke-width 3\nroundrectangle 46,26 338,92 12,12\nstroke none\n", light
  for (i = 0; i < 12; i++) {
    if (busy) lv = 0.20 + 0.75 * (0.5 + 0.5 * sin(f * 1.7 + i * 0.9 + (i % 3) * f * 0.6))
    else lv = 0.12
    x = 62 + i * 22
    printf "fill \"%s\"\nfill-opacity 0.30\nroundrectangle %d,36 %d,82 3,3\nfill-opacity 1\n", dark, x, x + 14
    printf "fill \"%s\"\nroundrectangle %d,%.1f %d,82 3,3\n", light, x, 82 - lv * 46, x + 14
  }

  # two gears in mesh: the big one turns clockwise, the small one the other way
  n1 = 10; R1 = 46; r1 = 36
  n2 = 7
  pitch = 2 * 3.14159265358979 * ((R1 + r1) / 2) / n1
  pr2 = pitch * n2 / (2 * 3.14159265358979)
  R2 = pr2 + 5; r2 = pr2 - 5
  cx1 = 165; cy1 = 148
  dist = (R1 + r1) / 2 + pr2
  th = atan2(42, 55)
  cx2 = cx1 + cos(th) * dist; cy2 = cy1 + sin(th) * dist
  thd = th * 180 / 3.14159265358979
  turn = 108 * p                    # three teeth of the big gear over the whole clip
  gear(cx1, cy1, R1, r1, n1, thd + 90 + 180 / n1 + turn, 5)
  gear(cx2, cy2, R2, r2, n2, thd + 270 - turn * n1 / n2, 3)

  # sparkles where the teeth meet, only while the machine is busy
  if (busy) {
    mx = cx1 + cos(th) * R1; my = cy1 + sin(th) * R1
    k = f % 3
    if (k == 0) { sparkle(mx + 14, my - 16, 8); sparkle(mx - 20, my + 22, 5) }
    if (k == 1) { sparkle(mx + 22, my - 4, 6);  sparkle(mx - 8, my + 30, 7) }
    if (k == 2) { sparkle(mx + 6, my - 24, 6);  sparkle(mx - 26, my + 12, 8) }
  }

  # level meter on the left: starts low, bounces, ends high
  lv = 0.25 + 0.60 * (0.5 - 0.5 * cos(p * 3 * 3.14159265358979))
  printf "fill \"#060a18\"\nstroke \"%s\"\nstroke-width 3\nroundrectangle 42,108 70,228 8,8\nstroke none\n", main
  top = 224 - lv * 112
  printf "fill \"%s\"\nroundrectangle 47,%.1f 65,224 5,5\n", light, top
  printf "stroke \"%s\"\nstroke-width 2\n", main
  for (k = 1; k < 5; k++) printf "line 42,%d 50,%d\n", 108 + k * 24, 108 + k * 24
  printf "stroke none\n"

  # dial on the right: the needle sweeps from left to right
  dx = 308; dy = 150; dr = 34
  printf "fill \"#060a18\"\nstroke \"%s\"\nstroke-width 4\ncircle %d,%d %d,%d\n", main, dx, dy, dx + dr, dy
  printf "stroke \"%s\"\nstroke-width 2.5\n", light
  for (k = 0; k <= 6; k++) {
    a = rad(-120 + k * 40 - 90)
    printf "line %.2f,%.2f %.2f,%.2f\n", dx + cos(a) * (dr - 11), dy + sin(a) * (dr - 11), dx + cos(a) * (dr - 5), dy + sin(a) * (dr - 5)
  }
  na = -110 + 200 * p + (busy ? 14 * sin(f * 1.3) : 0)
  a = rad(na - 90)
  printf "stroke \"%s\"\nstroke-width 4\nstroke-linecap round\nline %d,%d %.2f,%.2f\n", light, dx, dy, dx + cos(a) * (dr - 9), dy + sin(a) * (dr - 9)
  printf "stroke-linecap butt\nfill \"%s\"\nstroke \"%s\"\nstroke-width 2\ncircle %d,%d %d,%d\n", main, light, dx, dy, dx + 6, dy

  # a little "pulse" above the dial, only while the machine is busy
  if (busy) {
    pr = 6 + (f % 4) * 6
    printf "fill none\nstroke \"%s\"\nstroke-width 2\nstroke-opacity %.2f\ncircle %d,%d %d,%d\nstroke-opacity 1\n", light, 1 - (f % 4) * 0.22, dx, 216, dx + pr, 216
  }
  printf "fill \"%s\"\nstroke \"%s\"\nstroke-width 2\ncircle %d,%d %d,%d\n", busy ? light : dark, main, dx, 216, dx + 5, 216

  # row of lamps along the bottom, lighting one after another
  lit = (f == 0) ? 0 : int((f * 7 + last - 1) / last)
  for (k = 0; k < 7; k++) {
    x = 99 + k * 31; y = 244
    if (k < lit) {
      printf "fill \"%s\"\nfill-opacity 0.35\nstroke none\ncircle %d,%d %d,%d\nfill-opacity 1\n", main, x, y, x + 13, y
      printf "fill \"%s\"\nstroke \"%s\"\nstroke-width 2\ncircle %d,%d %d,%d\n", light, main, x, y, x + 8, y
      printf "fill \"#ffffff\"\nstroke none\ncircle %.1f,%.1f %.1f,%.1f\n", x - 2.5, y - 2.5, x - 0.5, y - 2.5
    } else {
      printf "fill \"%s\"\nstroke \"%s\"\nstroke-width 2\ncircle %d,%d %d,%d\n", dark, main, x, y, x + 8, y
    }
  }
}'
}

# make_clip NAME MAIN LIGHT DARK BODY
make_clip() {
  local name="$1" f frames=()
  for ((f = 0; f < FRAMES; f++)); do
    frame_mvg "$f" "$2" "$3" "$4" "$5" > "$work/$name-$f.mvg"
    convert -size "${W}x${H}" "mvg:$work/$name-$f.mvg" -alpha off "$work/$name-$(printf %02d "$f").png"
    frames+=("$work/$name-$(printf %02d "$f").png")
  done
  # -loop 1 means "play once": no looping block is written into the GIF.
  convert -delay "$DELAY" "${frames[@]}" \
          +dither -layers Optimize -loop 1 -strip "$out/$name.gif"
}

make_clip rosso  "#e53935" "#ffa09c" "#7a1620" "#2c0f24"
make_clip verde  "#34b349" "#abf2ab" "#155a26" "#0f2a26"
make_clip blu    "#2f8cf0" "#a9d6ff" "#14408f" "#10214f"
make_clip grigio "#a3a8b3" "#eceff4" "#4f5461" "#262a36"

# ---------------------------------------------------------------------------
# Lamps, 41x41, drawn four times larger and then reduced. Around the lamp the
# picture is transparent, so that the lamp sits on the rail without a square
# patch. A GIF's pixels are either opaque or transparent: the glow's faint
# edge is blended with the rail's colour and the faintest part is dropped.
# ---------------------------------------------------------------------------

# make_lamp NAME CENTRE MIDDLE EDGE GLOW HIGHLIGHT-OPACITY
#   GLOW is a colour, or "none" for a lamp that is off.
make_lamp() {
  local name="$1" centre="$2" middle="$3" edge="$4" glow="$5" shine="$6"
  local S=164 rail='#10194A'
  # glow around a lit lamp
  if [[ "$glow" == none ]]; then
    convert -size ${S}x${S} xc:none "$work/lamp-base.png"
  else
    convert -size ${S}x${S} xc:none \
      \( -size ${S}x${S} xc:none -fill "$glow" -draw "circle 82,82 160,82" -channel A -evaluate multiply 0.95 +channel -blur 0x7 \) \
      -composite "$work/lamp-base.png"
  fi
  # the glass: a round gradient, brightest up and to the left
  convert -size 150x150 radial-gradient:"$centre"-"$middle" -crop 108x108+30+30 +repage \
    \( -size 108x108 xc:none -fill none -stroke "$edge" -strokewidth 14 -draw "circle 54,54 54,104" \
       -blur 0x5 -channel A -evaluate multiply 0.85 +channel \) \
    -composite \
    \( -size 108x108 xc:black -fill white -draw "circle 54,54 54,107" \) \
    -alpha off -compose CopyOpacity -composite "$work/lamp-glass.png"
  convert "$work/lamp-base.png" \
    -fill '#2b2f45' -stroke none -draw "circle 82,84 82,152" \
    -fill '#c7cbd8' -stroke '#5b6075' -strokewidth 4 -draw "circle 82,82 82,148" \
    -fill none -stroke '#f4f6fb' -strokewidth 3 -draw "arc 22,22 142,142 200,290" \
    "$work/lamp-glass.png" -geometry +28+28 -compose Over -composite \
    -fill none -stroke "$edge" -strokewidth 3 -draw "circle 82,82 82,136" \
    \( -size ${S}x${S} xc:none -fill white -draw "translate 64,62 rotate -35 ellipse 0,0 17,10 0,360" \
       -draw "circle 104,106 104,100" -channel A -evaluate multiply "$shine" +channel -blur 0x1.5 \) \
    -compose Over -composite \
    -filter Triangle -resize 41x41 "$work/lamp-small.png"
  convert "$work/lamp-small.png" \
    \( +clone -alpha extract -threshold 30% \) \
    \( -clone 0 -background "$rail" -flatten \) \
    -delete 0 +swap -alpha off -compose CopyOpacity -composite \
    +dither -colors 128 -strip "$out/$name.gif"
}

make_lamp luce1 "#fffbd6" "#ffd21a" "#c98a00" "#ffe04a" 0.85
make_lamp luce2 "#8b909c" "#555a67" "#2a2e39" none     0.35
make_lamp luce3 "#ffd6d6" "#ff2e2e" "#9e0000" "#ff4a4a" 0.80
make_lamp luce4 "#ddffd6" "#33dd44" "#0a7d1a" "#5cff6a" 0.80

# ---------------------------------------------------------------------------
# Emblem for the information panel: a black box with a question mark,
# two arrows going in and one coming out. Drawn at 384x384, kept at 96x96.
# ---------------------------------------------------------------------------

cat > "$work/info.mvg" <<'EOF'
viewbox 0 0 384 384
stroke-antialias 1
# shadow of the box
fill "#000000"
fill-opacity 0.35
roundrectangle 122,118 274,290 26,26
fill-opacity 1
# the box
fill "#15161d"
stroke "#4a4f63"
stroke-width 8
roundrectangle 112,104 264,280 26,26
stroke "#2a2d3a"
stroke-width 4
fill none
roundrectangle 126,118 250,266 16,16
# question mark
stroke "#ffd23f"
stroke-width 24
stroke-linecap round
stroke-linejoin round
path 'M 158,162 C 158,120 220,120 220,160 C 220,188 188,186 188,214'
stroke none
fill "#ffd23f"
circle 188,246 188,231
# two arrows going in
fill "#4fa8ff"
stroke "#1e5fb0"
stroke-width 4
polygon 14,140 70,140 70,120 108,152 70,184 70,164 14,164
polygon 14,222 70,222 70,202 108,234 70,266 70,246 14,246
# one arrow coming out
fill "#5ad65a"
stroke "#2a8a2a"
polygon 270,180 326,180 326,160 370,192 326,224 326,204 270,204
EOF
convert -background none -size 384x384 "mvg:$work/info.mvg" \
  -filter Triangle -resize 96x96 -depth 8 "${png_opts[@]}" "$out/info.png"

echo "generate.sh: pictures written to $out"
