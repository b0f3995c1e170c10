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
# eyes exactly. The palette keeps the eight most frequent colours exactly (the red, the
# balloon's white, the plate's cream: the quantiser alone would shift them a little) and
# fills the rest with quantised colours. No dithering: flat areas stay flat.
write_gifs() { # png... (each written beside itself as .gif)
  local f
  "$IM" "$@" -append "$tmp/all.png"
  "$IM" "$tmp/all.png" -format %c histogram:info:- | sort -rn -t: -k1,1 | sed -n 1,8p |
    sed -E 's/.*(#[0-9A-Fa-f]{6}).*/\1/' | while read -r c; do echo "xc:$c"; done >"$tmp/anchors"
  # shellcheck disable=SC2046  # one xc: argument per anchor colour
  "$IM" \( "$tmp/all.png" +dither -colors 248 -unique-colors \) $(cat "$tmp/anchors") +append \
    -unique-colors "$tmp/palette.png"
  for f in "$@"; do
    "$IM" "$f" +dither -remap "$tmp/palette.png" "${f%.png}.gif"
  done
}

# A balloon, drawn over the part of the window's background that it covers: its corners
# must look exactly like what lies beneath (a red corner on the simple style's plate
# would punch a hole through it).
balloon_gif() { # in.svg background.png conf prefix out.gif
  local left top size
  left=$(conf_value "$3" "CONF/${4}_LEFT")
  top=$(conf_value "$3" "CONF/${4}_TOP")
  "$RSVG" "$1" -o "$tmp/svg.png"
  size=$("$IM" "$tmp/svg.png" -format '%wx%h' info:)
  "$IM" "$2" -crop "$size+$left+$top" +repage "$tmp/svg.png" -composite "$tmp/balloon.png"
  key_on_red "$tmp/balloon.png" "$tmp/balloon_flat.png"
  write_gifs "$tmp/balloon_flat.png"
  mv "$tmp/balloon_flat.gif" "$5"
}

# Turns the keyed renders $tmp/<expression>.png of one style into its GIFs: the
# expression pictures, the closed-eyes overlay (the blink picture cut where the model
# puts the overlay, so all but the eyes matches "main") and the two balloons.
finish_style() { # out_dir conf eyes_width eyes_height background.png balloon_model.svg balloon_user.svg
  local out=$1 conf=$2 e name files=()
  for e in "${expressions[@]}"; do files+=("$tmp/${e%% *}.png"); done
  write_gifs "${files[@]}"
  for e in "${expressions[@]}"; do
    name=${e%% *}
    [ "$name" = blink ] || mv "$tmp/$name.gif" "$out/$name.gif"
  done
  local left top bbox
  left=$(conf_value "$conf" CONF/EYES_LEFT)
  top=$(conf_value "$conf" CONF/EYES_TOP)
  # Everything that differs between "main" and "blink" must lie inside the overlay.
  bbox=$("$IM" "$out/main.gif" "$tmp/blink.gif" -compose difference -composite -colorspace gray \
    -threshold 0 -format '%@' info:)
  if ! awk -v b="$bbox" -v l="$left" -v t="$top" -v w="$3" -v h="$4" 'BEGIN {
      split(b, a, /[x+]/); exit !(a[3] >= l && a[4] >= t && a[3] + a[1] <= l + w && a[4] + a[2] <= t + h) }'; then
    echo "draw.sh: the eyes change over $bbox, outside the overlay ${3}x${4}+$left+$top" >&2
    exit 1
  fi
  "$IM" "$tmp/blink.gif" -crop "${3}x${4}+$left+$top" +repage "$out/eyes_closed.gif"
  balloon_gif "$6" "$5" "$conf" MBAL "$out/balloon_model.gif"
  balloon_gif "$7" "$5" "$conf" UBAL "$out/balloon_user.gif"
}

# ---- character style: 430 x 310, Pipit standing on the right --------------------------
mkdir -p "$here/model"
"$IM" -size 430x310 xc:none "$tmp/empty.png"
for e in "${expressions[@]}"; do
  read -r name face brows <<<"$e"
  "$RSVG" -s "$(style_for "$face" "$brows" 0)" "$src/pipit.svg" -o "$tmp/char.png"
  "$IM" "$tmp/empty.png" "$tmp/char.png" -geometry +250+8 -composite "$tmp/window.png"
  key_on_red "$tmp/window.png" "$tmp/$name.png"
done
finish_style "$here/model" "$src/model.conf.utf8" 84 35 "$tmp/empty.png" \
  "$src/balloon_model.svg" "$src/balloon_user.svg"

# ---- simple style: a plain 320 x 72 plate with her head on the left -------------------
# The head is the same drawing without the body at 0.4 scale; the part of the canvas from
# (10,0) to (180,160) lands at (6,4) on the plate.
mkdir -p "$here/model_simple"
"$RSVG" "$src/simple_panel.svg" -o "$tmp/panel.png"
for e in "${expressions[@]}"; do
  read -r name face brows <<<"$e"
  "$RSVG" -s "$(style_for "$face" "$brows" 1)" -z 0.4 "$src/pipit.svg" -o "$tmp/head.png"
  "$IM" "$tmp/head.png" -crop 68x64+4+0 +repage "$tmp/headcut.png"
  "$IM" "$tmp/panel.png" "$tmp/headcut.png" -geometry +6+4 -composite "$tmp/window.png"
  key_on_red "$tmp/window.png" "$tmp/$name.png"
done
finish_style "$here/model_simple" "$src/model_simple.conf.utf8" 34 15 "$tmp/panel.png" \
  "$src/simple_balloon_model.svg" "$src/simple_balloon_user.svg"

# ---- icon: her face at 48, 32 and 16 pixels, with real transparency -------------------
"$RSVG" -s "$(style_for default default 1)" -z 4 "$src/pipit.svg" -o "$tmp/big.png"
"$IM" "$tmp/big.png" -crop 600x600+60+40 +repage "$tmp/face.png"
for s in 48 32 16; do
  "$IM" "$tmp/face.png" -filter Lanczos -resize "${s}x${s}" "$tmp/icon$s.png"
done
"$IM" "$tmp/icon48.png" "$tmp/icon32.png" "$tmp/icon16.png" "$here/model/icon.ico"
cp "$here/model/icon.ico" "$here/model_simple/icon.ico"

"$here/make_conf.sh"
echo "draw.sh: pictures written to $here/model and $here/model_simple"
