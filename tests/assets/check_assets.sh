#!/usr/bin/env bash
# Checks the shipped character models and the default config.txt in assets/:
#  - the text files are CP932 with CR LF line ends and match their UTF-8 sources;
#  - each model.conf sets every layout key, answers every response key, names only
#    pictures of its own folder that exist, and keeps every control inside the window;
#  - every picture, at 100 % and as <stem>@<p>.gif for 125, 150, 175 and 200 %, is a real
#    GIF of the expected size; the window pictures are pure red (255,0,0) at the corners
#    with no near-red pixel anywhere, and the balloons' corners look exactly like the
#    window picture beneath them; the icon holds every size the launcher asks for;
#  - config.txt has every setting and the commands a new user is promised.
# Exits 1 on the first group of failures. Needs imagemagick and iconv.
set -uo pipefail

assets=$(cd "$(dirname "$0")/../../assets" && pwd)
IM=/usr/bin/convert
ID=/usr/bin/identify
T=$'\t'
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# --- text files: encoding, line ends, in step with their sources ------------------------
# decode FILE: prints the file as UTF-8 without CRs, or fails.
decode() { iconv -f CP932 -t UTF-8 "$1" | tr -d '\r'; }

check_text() { # shipped source
  local f=$assets/$1
  [ -f "$f" ] || { fail "$1 is missing"; return; }
  iconv -f CP932 -t UTF-8 "$f" >/dev/null 2>&1 || fail "$1 does not decode as CP932"
  local lf crlf
  lf=$(tr -cd '\n' <"$f" | wc -c)
  crlf=$(grep -c $'\r$' "$f")
  if [ "$lf" != "$crlf" ] || [ "$(tail -c 2 "$f" | od -An -c | tr -d ' ')" != '\r\n' ]; then
    fail "$1: not every line ends in CR LF"
  fi
  sed 's/$/\r/' "$assets/src/$2" | iconv -f UTF-8 -t CP932 2>/dev/null | cmp -s - "$f" ||
    fail "$1 differs from src/$2 (run assets/make_conf.sh)"
}
check_text model/model.conf model.conf.utf8
check_text model_simple/model.conf model_simple.conf.utf8
check_text config.txt config.txt.utf8
check_text extention/aisatsu.txt aisatsu.txt.utf8

# --- pictures ----------------------------------------------------------------------------
size_of() { "$ID" -format '%wx%h' "$1[0]" 2>/dev/null; }
pixel() { "$IM" "$1" -format "%[fx:int(255*u.r+.5)],%[fx:int(255*u.g+.5)],%[fx:int(255*u.b+.5)]" \
  -crop "1x1+$2+$3" +repage info: 2>/dev/null; }
is_gif() { [ "$("$ID" -format '%m' "$1[0]" 2>/dev/null)" = GIF ]; }

# Colours close to the key red but not exactly it would show as a pink fringe.
near_red_count() {
  "$IM" "$1" -format %c histogram:info:- |
    awk -F'[(),]' '{ r = $2 + 0; g = $3 + 0; b = $4 + 0
                     if (r >= 180 && g <= 90 && b <= 90 && !(r == 255 && g == 0 && b == 0)) n++ }
                   END { print n + 0 }'
}

check_window_picture() { # file size
  local f=$1 w h x y
  is_gif "$f" || { fail "$f is not a GIF"; return; }
  [ "$(size_of "$f")" = "$2" ] || fail "$f is $(size_of "$f"), not $2 like main.gif"
  w=${2%x*}; h=${2#*x}
  for xy in "0 0" "$((w - 1)) 0" "0 $((h - 1))" "$((w - 1)) $((h - 1))"; do
    read -r x y <<<"$xy"
    [ "$(pixel "$f" "$x" "$y")" = 255,0,0 ] || fail "$f: corner $x,$y is not pure red"
  done
  [ "$(near_red_count "$f")" = 0 ] || fail "$f has near-red colours"
}

# --- a model folder ------------------------------------------------------------------------
check_model() { # style folder name
  local style=$1 dir=$assets/$1 conf before=$failures
  conf=$(decode "$dir/model.conf") || { fail "$style/model.conf unreadable"; return; }
  setting() { printf '%s\n' "$conf" | awk -F "$T" -v k="CONF/$1" '$1 == k { v = $2 } END { print v }'; }

  local key value
  for key in EYES_LEFT EYES_TOP MBAL_LEFT MBAL_TOP UBAL_LEFT UBAL_TOP TXT_LEFT TXT_TOP TXT_WIDTH \
    TXT_HEIGHT INPUT_LEFT INPUT_TOP INPUT_WIDTH BTN_LEFT BTN_TOP BTN_WIDTH BTN_HEIGHT FORM_WIDTH \
    FORM_HEIGHT; do
    value=$(setting "$key")
    [[ $value =~ ^[0-9]+$ ]] || fail "$style: CONF/$key is '$value', not a whole number"
  done
  [ -n "$(setting YOBINA)" ] || fail "$style: CONF/YOBINA is empty"
  [ -n "$(setting BTN_CAPTION)" ] || fail "$style: CONF/BTN_CAPTION is empty"
  [ "$failures" = "$before" ] || return

  local fw fh
  fw=$(setting FORM_WIDTH); fh=$(setting FORM_HEIGHT)
  inside() { # what left top width height
    (($2 >= 0 && $3 >= 0 && $4 > 0 && $5 > 0 && $2 + $4 <= fw && $3 + $5 <= fh)) ||
      fail "$style: $1 ($2,$3 ${4}x$5) is not inside the ${fw}x$fh window"
  }

  [ "$("$ID" -format '%m\n' "$dir/icon.ico" 2>/dev/null | head -n 1)" = ICO ] ||
    fail "$style/icon.ico is missing or not an icon"
  [ "$("$ID" -format '%w ' "$dir/icon.ico" 2>/dev/null)" = "64 48 40 32 24 20 16 " ] ||
    fail "$style/icon.ico does not hold 64, 48, 40, 32, 24, 20 and 16 pixel images"

  # layout: every control inside the window
  inside "the line text box" "$(setting TXT_LEFT)" "$(setting TXT_TOP)" "$(setting TXT_WIDTH)" "$(setting TXT_HEIGHT)"
  inside "the input box (24 high)" "$(setting INPUT_LEFT)" "$(setting INPUT_TOP)" "$(setting INPUT_WIDTH)" 24
  inside "the button" "$(setting BTN_LEFT)" "$(setting BTN_TOP)" "$(setting BTN_WIDTH)" "$(setting BTN_HEIGHT)"

  local entries pictures f name
  entries=$(printf '%s\n' "$conf" | grep "$T" | grep -v '^CONF/')
  pictures=$( (echo "$style/main.gif"; printf '%s\n' "$entries" | cut -f 2) | sort -u)
  for f in $pictures; do
    [[ $f == "$style/"* ]] || fail "$style: picture $f is not in $style/"
  done

  # Pictures at every scale: <stem>@<p>.gif beside the 100 % picture, sized and placed with
  # the launcher's rounding, floor(v * p / 100 + 0.5).
  local p at ew eh bw bh left top xy x y missing
  at_scale() { echo $((($1 * p * 2 + 100) / 200)); }
  for p in 100 125 150 175 200; do
    at=@$p
    [ "$p" = 100 ] && at=
    missing=0
    for name in main eyes_closed balloon_model balloon_user; do
      is_gif "$dir/$name$at.gif" || { fail "$style/$name$at.gif is missing or not a GIF"; missing=1; }
    done
    [ "$missing" = 0 ] || continue
    fw=$(at_scale "$(setting FORM_WIDTH)"); fh=$(at_scale "$(setting FORM_HEIGHT)")
    [ "$(size_of "$dir/main$at.gif")" = "${fw}x$fh" ] ||
      fail "$style/main$at.gif is $(size_of "$dir/main$at.gif"), the window ${fw}x$fh"
    for name in eyes_closed balloon_model balloon_user; do
      IFS=x read -r bw bh <<<"$(size_of "$dir/$name.gif")"
      [ "$(size_of "$dir/$name$at.gif")" = "$(at_scale "$bw")x$(at_scale "$bh")" ] ||
        fail "$style/$name$at.gif is $(size_of "$dir/$name$at.gif"), not ${bw}x$bh at $p %"
    done

    IFS=x read -r ew eh <<<"$(size_of "$dir/eyes_closed$at.gif")"
    inside "eyes_closed$at.gif" "$(at_scale "$(setting EYES_LEFT)")" "$(at_scale "$(setting EYES_TOP)")" "$ew" "$eh"
    [ "$("$IM" "$dir/eyes_closed$at.gif" -fill black +opaque '#ff0000' -format '%[fx:mean>0?1:0]' info:)" = 0 ] ||
      fail "$style/eyes_closed$at.gif has pure red in it: her face would show holes"
    for name in MBAL:balloon_model UBAL:balloon_user; do
      f=$dir/${name#*:}$at.gif
      left=$(at_scale "$(setting "${name%%:*}_LEFT")"); top=$(at_scale "$(setting "${name%%:*}_TOP")")
      IFS=x read -r bw bh <<<"$(size_of "$f")"
      inside "${name#*:}$at.gif" "$left" "$top" "$bw" "$bh"
      # The balloon's corners must match what the window picture shows beneath them.
      for xy in "0 0" "$((bw - 1)) 0" "0 $((bh - 1))" "$((bw - 1)) $((bh - 1))"; do
        read -r x y <<<"$xy"
        [ "$(pixel "$f" "$x" "$y")" = "$(pixel "$dir/main$at.gif" $((left + x)) $((top + y)))" ] ||
          fail "$style/${name#*:}$at.gif: corner $x,$y differs from main$at.gif beneath it"
      done
      [ "$(near_red_count "$f")" = 0 ] || fail "$f has near-red colours"
    done
    for f in $pictures; do
      [[ $f == "$style/"* ]] || continue
      is_gif "$assets/${f%.gif}$at.gif" || { fail "$style: picture ${f%.gif}$at.gif is missing"; continue; }
      check_window_picture "$assets/${f%.gif}$at.gif" "${fw}x$fh"
    done
  done

  # entries: known placeholders, every response key
  if printf '%s\n' "$entries" | awk -F "$T" 'NF < 3 || $3 == ""' | grep -q .; then
    fail "$style: entry lines without a text: $(printf '%s\n' "$entries" | awk -F "$T" 'NF < 3 || $3 == ""' | head -n 3)"
  fi
  local bad
  bad=$(printf '%s\n' "$entries" | cut -f 3 | grep -o '\[[^]]*\]' | grep -v -x -e '\[呼び名\]' \
    -e '\[コマンド\]' -e '\[改行\]' | sort -u)
  [ -z "$bad" ] || fail "$style: unknown placeholders: $bad"
  for key in CMD/URL CMD/コマンド実行 CMD/SEARCH CMD/設定 CMD/FOCUS CMD/終了 CMD/不明 CMD/エラー \
    CMD/フォルダー CMD/管理者 CMD/パスコピー CMD/計算 CMD/計算エラー; do
    printf '%s\n' "$entries" | grep -q "^$key$T" || fail "$style: no line for $key"
  done
}
check_model model
check_model model_simple

# --- config.txt --------------------------------------------------------------------------
config=$(decode "$assets/config.txt") || fail "config.txt unreadable"
for key in HIDDEN_MODE HIDDEN_DELAY HOTKEY_MOD HOTKEY_VALUE GOOGLE_URL GOOGLE_ENCODING DEBUG_MODE \
  NEWIE STYLE TOP LEFT; do
  [ "$(printf '%s\n' "$config" | grep -c "^PREF/$key$T")" = 1 ] || fail "config.txt: PREF/$key not set exactly once"
done
pref() { printf '%s\n' "$config" | awk -F "$T" -v k="PREF/$1" '$1 == k { print $2 }'; }
[[ $(pref HOTKEY_MOD) =~ ^(ALT|CTRL|SHIFT)$ ]] || fail "config.txt: hot-key modifier '$(pref HOTKEY_MOD)'"
[[ $(pref HOTKEY_VALUE) =~ ^[0-9A-Z]$ ]] || fail "config.txt: hot key '$(pref HOTKEY_VALUE)'"
for key in TOP LEFT HIDDEN_DELAY; do
  [[ $(pref "$key") =~ ^[0-9]+$ ]] || fail "config.txt: PREF/$key is not a number"
done
# shellcheck disable=SC2016  # the keywords begin with a literal "$"
for path in '$PPTK_EDIT' '$PPTK_HIDE' '$PPTK_RELOAD' '$PPTK_EXIT' '$PPTK_CHANGE' @transweb.exe \
  @routeweb.exe @dictweb.exe '@clipcmd.exe|'; do
  printf '%s\n' "$config" | cut -f 2 | grep -qF -- "$path" || fail "config.txt: no command runs $path"
done
clip=$(printf '%s\n' "$config" | cut -f 2 | sed -n 's/^@clipcmd\.exe|//p' | head -n 1)
[ -f "$assets/${clip//\\//}" ] || fail "config.txt: the clipboard sample '$clip' is not shipped"
printf '%s\n' "$config" | grep '^\[区切り線\]' | grep -qvx "\[区切り線\]$T$T" &&
  fail "config.txt: a separator row is not the word followed by two tabs"

if [ "$failures" -gt 0 ]; then
  echo "check_assets: $failures failure(s)" >&2
  exit 1
fi
echo "check_assets: all good"
