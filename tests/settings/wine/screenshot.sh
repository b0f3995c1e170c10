#!/usr/bin/env bash
# Opens the settings dialog under Wine on sample settings and saves a
# screenshot of the display: tests/settings/wine/screenshot.sh <build dir> [png]
set -eu
build="$(cd "$1" && pwd)"
out="${2:-$build/config_form.png}"
. "$(dirname "$0")/../../wine/winenv.sh"
wine_env_up
wine "$build/tests/settings/config_form_demo.exe" &
demo=$!
wait_until 30 xdotool search --name 'ピピットランチャーの設定'
sleep 1  # let the controls finish painting
import -window root "$out"
kill "$demo" 2>/dev/null || true
wait "$demo" 2>/dev/null || true
wine_env_down
echo "screenshot: $out"
