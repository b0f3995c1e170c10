# Wine harness: source this file, then call wine_env_up before running a
# Windows program and wine_env_down when done.
#
#   WINE_ROOT   folder that holds the private prefix and the recorder output
#               (default: build/wine)
#
# Everything is made once and reused: the prefix survives between runs.

: "${WINE_ROOT:=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build/wine}"
export WINEPREFIX="$WINE_ROOT/prefix"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export LC_ALL=ja_JP.UTF-8
export LANG=ja_JP.UTF-8
# Where the browser recorder writes what the shell was asked to open.
export PIPIT_OPENED_LOG="$WINE_ROOT/opened.txt"

_wine_harness_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
_wine_started_xvfb=""

# Waits until a command succeeds, polling every 0.1 s, for at most $1 seconds.
wait_until() {
  local deadline=$((SECONDS + $1)); shift
  until "$@" >/dev/null 2>&1; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.1
  done
}

_wine_display_up() {
  if [ -n "${DISPLAY:-}" ] && xdotool getdisplaygeometry >/dev/null 2>&1; then
    return 0
  fi
  local n
  for n in $(seq 90 120); do
    { [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; } && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    _wine_started_xvfb=$!
    export DISPLAY=":$n"
    wait_until 10 xdotool getdisplaygeometry && return 0
    echo "wine harness: Xvfb did not start on :$n" >&2
    return 1
  done
  echo "wine harness: no free display number" >&2
  return 1
}

# The browser Wine hands URLs to: a script that appends its arguments.
_wine_install_recorder() {
  local rec="$WINE_ROOT/record-open.sh"
  cat >"$rec" <<REC
#!/bin/sh
for a in "\$@"; do printf '%s\n' "\$a" >>"$PIPIT_OPENED_LOG"; done
REC
  chmod +x "$rec"
  wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$rec" /f >/dev/null 2>&1
}

wine_env_up() {
  command -v wine >/dev/null || { echo "wine harness: wine is not installed (run scripts/setup)" >&2; return 1; }
  locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$' ||
    { echo "wine harness: the ja_JP.UTF-8 locale is missing (run scripts/setup)" >&2; return 1; }
  mkdir -p "$WINE_ROOT"
  _wine_display_up || return 1
  if [ ! -f "$WINEPREFIX/.pipit-ready" ]; then
    echo "wine harness: creating the prefix $WINEPREFIX (once)"
    rm -rf "$WINEPREFIX"
    if ! timeout 300 wineboot --init >"$WINE_ROOT/wineboot.log" 2>&1; then
      echo "wine harness: wineboot failed or hung (log: $WINE_ROOT/wineboot.log)" >&2
      return 1
    fi
    timeout 120 wineserver -w
    _wine_install_recorder
    touch "$WINEPREFIX/.pipit-ready"
  fi
  # Xvfb runs no window manager, and Wine waits two seconds for one at every
  # hide of a managed window: the windows are left unmanaged unless the
  # caller runs on a real desktop (PIPIT_WINE_MANAGED=1).
  local managed=N
  [ "${PIPIT_WINE_MANAGED:-}" = 1 ] && managed=Y
  if [ "$(cat "$WINEPREFIX/.pipit-managed" 2>/dev/null)" != "$managed" ]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$managed" /f >/dev/null 2>&1 </dev/null &&
      echo "$managed" >"$WINEPREFIX/.pipit-managed"
  fi
  # Keep one server for the whole session so each program starts fast, and
  # start Wine's own background services here with their output going
  # nowhere: a service started by a test would inherit the test's output
  # and keep ctest waiting for it to close.
  wineserver -p 600 >/dev/null 2>&1 </dev/null || true
  timeout 120 wine cmd /c exit >/dev/null 2>&1 </dev/null || true
}

wine_env_down() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$_wine_started_xvfb" ]; then
    kill "$_wine_started_xvfb" 2>/dev/null || true
    wait "$_wine_started_xvfb" 2>/dev/null || true
    _wine_started_xvfb=""
  fi
}
