#!/usr/bin/env bash
# Writes the shipped text files from their UTF-8 sources in assets/src/:
#   model.conf.utf8         -> model/model.conf
#   model_simple.conf.utf8  -> model_simple/model.conf
#   config.txt.utf8         -> config.txt
#   aisatsu.txt.utf8        -> extention/aisatsu.txt   (sample text for the clipboard loader)
# The launcher reads them in the ANSI code page of a Japanese Windows, so they are written
# as CP932 (Shift-JIS) with CR LF line ends. A character that CP932 lacks stops the script.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)

convert_text() { # source target
  local src=$here/src/$1 dst=$here/$2
  if grep -q $'\r' "$src"; then
    echo "make_conf.sh: $1 must have plain LF line ends" >&2
    return 1
  fi
  mkdir -p "$(dirname "$dst")"
  # iconv reports the first character it cannot convert and exits non-zero.
  if ! sed 's/$/\r/' "$src" | iconv -f UTF-8 -t CP932 >"$dst.tmp"; then
    rm -f "$dst.tmp"
    echo "make_conf.sh: $1 holds a character that CP932 cannot store" >&2
    return 1
  fi
  mv "$dst.tmp" "$dst"
}

convert_text model.conf.utf8 model/model.conf
convert_text model_simple.conf.utf8 model_simple/model.conf
convert_text config.txt.utf8 config.txt
convert_text aisatsu.txt.utf8 extention/aisatsu.txt
echo "make_conf.sh: text files written"
