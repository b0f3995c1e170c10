#!/usr/bin/env bash
# Draws Pipit's pictures for both styles from the SVG sources in assets/src/ and writes
# them into assets/model/ and assets/model_simple/, then runs make_conf.sh, which writes
# the model.conf files and config.txt. The results are committed: building the launcher
# needs none of these tools.
#
# Needs Debian's librsvg2-bin (rsvg-convert) and imagemagick. ImageMagick is called by its
# full path on purpose: another "convert" earlier on PATH must not take its place.
#
# Every picture that the window shows is flattened on pure red (255,0,0), the colour the
# window keys out. The alpha channel is thresholded first, so no pixel is ever a blend
# with the red: her outline meets the background with a hard edge and no pink fringe.
# Positions that a picture must match (the closed-eyes overlay, the balloons) are read
# from the model.conf sources, so the layout has one home.
#
# Every picture is drawn for each screen scale the launcher supports: at 100 % under its
# own name, at p % as <stem>@<p>.gif beside it (main@150.gif). Each scale is rendered from
# the vectors, not resized from the 100 % pictures, and every length and position is
# scaled with the rounding the launcher lays out its window with (see px), so pictures and
# controls agree at every scale.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
src=$here/src
IM=/usr/bin/convert
RSVG=$(command -v rsvg-convert || true)
[ -x "$IM" ] || { echo "draw.sh: /usr/bin/convert (imagemagick) is missing" >&2; exit 1; }
[ -n "$RSVG" ] || { echo "draw.sh: rsvg-convert (librsvg2-bin) is missing" >&2; exit 1; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Expressions: file name, face group, brow group (ids in pipit.svg). "main" is the default
# picture; "blink" only feeds the closed-eyes overlay.
expressions=(
  "main default default"
  "blink blink default"
  "smiling smiling default"
  "surprised surprised surprised"
  "troubled troubled troubled"
  "winking winking default"
  "sleepy sleepy default"
)

conf_value() { # file key
  awk -F '\t' -v k="$2" '$1 == k { v = $2 } END { if (v == "") exit 1; print v }' "$1"
}

# The scale being drawn, in percent, and the suffix it adds to the file names.
scales=(100 125 150 175 200)
percent=100 at=

# A length or position given for 100 %, at the current scale: floor(v * p / 100 + 0.5).
px() { echo $((($1 * percent * 2 + 100) / 200)); }

# rsvg-convert's zoom for the current scale, times an optional extra factor.
zoom() { awk -v p="$percent" -v e="${1:-1}" 'BEGIN { print p / 100 * e }'; }

# Renders an SVG at the current scale, padded or cut to exactly the 100 % size scaled
# with px: the launcher expects that size, whatever rsvg-convert rounds to.
render_sized() { # in.svg out.png
  local w h
  "$RSVG" "$1" -o "$2"
  IFS=x read -r w h <<<"$("$IM" "$2" -format '%wx%h' info:)"
  "$RSVG" -z "$(zoom)" "$1" -o "$tmp/sized.png"
  "$IM" "$tmp/sized.png" -background none -extent "$(px "$w")x$(px "$h")" "$2"
}

# Stylesheet that shows one expression (and hides the body for head-only drawings).
style_for() { # face brows head_only
  {
    echo '.expr { display: none !important }'
    echo "#expr-$1, #brows-$2 { display: inline !important }"
    if [ "$3" = 1 ]; then echo '#body { display: none !important }'; fi
  } >"$tmp/style.css"
  echo "$tmp/style.css"
}

# Hard alpha, then pure red wherever nothing is drawn.
key_on_red() { # in.png out.png
  "$IM" "$1" -channel A -threshold 50% +channel -background '#ff0000' -alpha remove -alpha off "$2"
}

# Writes PNGs as GIFs with one shared palette: a pixel that is the same in two renders
# stays the same in both GIFs, so the overlay cut from "blink" matches "main" around the
# eyes exactly, and a balloon's corners match the window picture beneath them. The
# palette keeps the key red and the eight most frequent colours exactly (the balloon's
# white, the plate's cream: the quantiser alone would shift them a little) and fills the
# rest with quantised colours. No dithering: flat areas stay flat.
#
# The pictures differ in size, so the quantiser gets their pixels in 1024-wide rows, the
# last row filled up with red (kept exactly anyway); the eight colours are counted from
# the pictures alone.
write_gifs() { # png... (each written beside itself as .gif)
  local f n pad
  for f in "$@"; do "$IM" "$f" -depth 8 rgb:-; done >"$tmp/all.rgb"
  n=$(($(stat -c %s "$tmp/all.rgb") / 3))
  pad=$(((1024 - n % 1024) % 1024))
  if [ "$pad" -gt 0 ]; then "$IM" -size "${pad}x1" xc:'#ff0000' -depth 8 rgb:- >>"$tmp/all.rgb"; fi
  "$IM" -size "1024x$(((n + pad) / 1024))" -depth 8 rgb:"$tmp/all.rgb" "$tmp/all.png"
  for f in "$@"; do "$IM" "$f" -format %c histogram:info:-; done |
    sed -E 's/^ *([0-9]+):.*(#[0-9A-Fa-f]{6}).*/\1 \2/' |
    awk '{ n[$2] += $1 } END { for (c in n) print n[c], c }' | sort -k1,1rn -k2,2 | sed -n 1,8p |
    while read -r _ c; do echo "xc:$c"; done >"$tmp/anchors"
  # shellcheck disable=SC2046  # one xc: argument per anchor colour
  "$IM" \( "$tmp/all.png" +dither -colors 247 -unique-colors \) xc:'#ff0000' $(cat "$tmp/anchors") \
    +append -unique-colors "$tmp/palette.png"
  for f in "$@"; do
    "$IM" "$f" +dither -remap "$tmp/palette.png" "${f%.png}.gif"
  done
}

# A balloon, drawn over the part of the window's background that it covers: its corners
# must look exactly like what lies beneath (a red corner on the simple style's plate
# would punch a hole through it). Written as a keyed PNG; finish_style turns it into a GIF
# with the palette of the window pictures.
balloon_png() { # in.svg background.png conf prefix out.png
  local left top size
  left=$(px "$(conf_value "$3" "CONF/${4}_LEFT")")
  top=$(px "$(conf_value "$3" "CONF/${4}_TOP")")
  render_sized "$1" "$tmp/svg.png"
  size=$("$IM" "$tmp/svg.png" -format '%wx%h' info:)
  "$IM" "$2" -crop "$size+$left+$top" +repage "$tmp/svg.png" -composite "$tmp/balloon.png"
  key_on_red "$tmp/balloon.png" "$5"
}

# Turns the keyed renders $tmp/<expression>.png of one style into its GIFs: the
# expression pictures, the two balloons and the closed-eyes overlay (the blink picture
# cut where the model puts the overlay, so all but the eyes matches "main"), all at the
# current scale and with one palette. The overlay's size is given for 100 %.
finish_style() { # out_dir conf eyes_width eyes_height background.png balloon_model.svg balloon_user.svg
  local out=$1 conf=$2 e name files=()
  balloon_png "$6" "$5" "$conf" MBAL "$tmp/balloon_model.png"
  balloon_png "$7" "$5" "$conf" UBAL "$tmp/balloon_user.png"
  for e in "${expressions[@]}"; do files+=("$tmp/${e%% *}.png"); done
  write_gifs "${files[@]}" "$tmp/balloon_model.png" "$tmp/balloon_user.png"
  for name in "${files[@]##*/}" balloon_model.png balloon_user.png; do
    name=${name%.png}
    [ "$name" = blink ] || mv "$tmp/$name.gif" "$out/$name$at.gif"
  done
  local left top width height bbox
  left=$(px "$(conf_value "$conf" CONF/EYES_LEFT)")
  top=$(px "$(conf_value "$conf" CONF/EYES_TOP)")
  width=$(px "$3") height=$(px "$4")
  # Everything that differs between "main" and "blink" must lie inside the overlay.
  bbox=$("$IM" "$out/main$at.gif" "$tmp/blink.gif" -compose difference -composite -colorspace gray \
    -threshold 0 -format '%@' info:)
  if ! awk -v b="$bbox" -v l="$left" -v t="$top" -v w="$width" -v h="$height" 'BEGIN {
      split(b, a, /[x+]/); exit !(a[3] >= l && a[4] >= t && a[3] + a[1] <= l + w && a[4] + a[2] <= t + h) }'; then
    echo "draw.sh: at $percent %, the eyes change over $bbox, outside the overlay ${width}x$height+$left+$top" >&2
    exit 1
  fi
  "$IM" "$tmp/blink.gif" -crop "${width}x$height+$left+$top" +repage "$out/eyes_closed$at.gif"
}

# ---- character style: a 430 x 310 window, Pipit standing on the right at (250,8) ------
draw_character() {
  local conf=$src/model.conf.utf8 e name face brows
  "$IM" -size "$(px "$(conf_value "$conf" CONF/FORM_WIDTH)")x$(px "$(conf_value "$conf" CONF/FORM_HEIGHT)")" \
    xc:none "$tmp/empty.png"
  for e in "${expressions[@]}"; do
    read -r name face brows <<<"$e"
    "$RSVG" -s "$(style_for "$face" "$brows" 0)" -z "$(zoom)" "$src/pipit.svg" -o "$tmp/char.png"
    "$IM" "$tmp/empty.png" "$tmp/char.png" -geometry "+$(px 250)+$(px 8)" -composite "$tmp/window.png"
    key_on_red "$tmp/window.png" "$tmp/$name.png"
  done
  finish_style "$here/model" "$conf" 84 35 "$tmp/empty.png" \
    "$src/balloon_model.svg" "$src/balloon_user.svg"
}

# ---- simple style: a plain 320 x 72 plate with her head on the left -------------------
# The head is the same drawing without the body at 0.4 scale; the part of the canvas from
# (10,0) to (180,160) lands at (6,4) on the plate.
draw_simple() {
  local e name face brows
  render_sized "$src/simple_panel.svg" "$tmp/panel.png"
  for e in "${expressions[@]}"; do
    read -r name face brows <<<"$e"
    "$RSVG" -s "$(style_for "$face" "$brows" 1)" -z "$(zoom 0.4)" "$src/pipit.svg" -o "$tmp/head.png"
    "$IM" "$tmp/head.png" -crop "$(px 68)x$(px 64)+$(px 4)+0" +repage "$tmp/headcut.png"
    "$IM" "$tmp/panel.png" "$tmp/headcut.png" -geometry "+$(px 6)+$(px 4)" -composite "$tmp/window.png"
    key_on_red "$tmp/window.png" "$tmp/$name.png"
  done
  finish_style "$here/model_simple" "$src/model_simple.conf.utf8" 34 15 "$tmp/panel.png" \
    "$src/simple_balloon_model.svg" "$src/simple_balloon_user.svg"
}

mkdir -p "$here/model" "$here/model_simple"
for percent in "${scales[@]}"; do
  at=@$percent
  [ "$percent" = 100 ] && at=
  draw_character
  draw_simple
done

# ---- icon: her face with real transparency, at 16, 32 and 48 pixels and the sizes that --
# the window and the tray ask for at 125 to 200 %: 20, 24, 40 and 64.
"$RSVG" -s "$(style_for default default 1)" -z 4 "$src/pipit.svg" -o "$tmp/big.png"
"$IM" "$tmp/big.png" -crop 600x600+60+40 +repage "$tmp/face.png"
icons=()
for s in 64 48 40 32 24 20 16; do
  "$IM" "$tmp/face.png" -filter Lanczos -resize "${s}x${s}" "$tmp/icon$s.png"
  icons+=("$tmp/icon$s.png")
done
"$IM" "${icons[@]}" "$here/model/icon.ico"
cp "$here/model/icon.ico" "$here/model_simple/icon.ico"

"$here/make_conf.sh"
echo "draw.sh: pictures written to $here/model and $here/model_simple"
