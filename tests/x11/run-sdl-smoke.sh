#!/usr/bin/env bash
# Runs a test program on an X server of its own: Xvfb on a display number it picks itself,
# with openbox ("openbox"), icewm ("icewm", a window manager with a task bar) or without a
# window manager ("none"), and a session bus of its own (dbus-run-session), so that neither the
# caller's display nor the caller's desktop bus (its screen reader, its accessibility bus) ever
# sees a test window. Exit 77 (skipped) when a tool is missing. APOSTILA_XVFB_SCREEN sets the
# screen (default 1024x768x24).
set -euo pipefail
bin=$1
wm=${2:-openbox}

need=(Xvfb xwininfo xdotool import dbus-run-session)
[[ $wm != none ]] && need+=("$wm" wmctrl)
for tool in "${need[@]}"; do
  if ! command -v "$tool" >/dev/null; then
    echo "sdl_smoke: $tool is not installed, skipped"
    exit 77
  fi
done

tmp=$(mktemp -d)
xvfb_pid=
wm_pid=
cleanup() {
  [[ -n $wm_pid ]] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT

# Xvfb writes the display number it chose once it accepts connections, so parallel runs
# never collide on a number. -noreset: without a window manager the test is the only client,
# and a server resetting between two tests refuses the next connection.
Xvfb -displayfd 3 -screen 0 "${APOSTILA_XVFB_SCREEN:-1024x768x24}" -nolisten tcp -noreset 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 200); do
  [[ -s $tmp/display ]] && break
  sleep 0.05
done
if [[ ! -s $tmp/display ]]; then
  echo "sdl_smoke: Xvfb did not start:"; cat "$tmp/xvfb.log"; exit 1
fi
display=:$(head -n1 "$tmp/display")
export DISPLAY=$display APOSTILA_X11_TEST_DISPLAY=$display APOSTILA_X11_WM=$wm
# Keep the tools away from the user's own settings.
export HOME=$tmp XDG_CONFIG_HOME=$tmp/config XDG_CACHE_HOME=$tmp/cache
unset XAUTHORITY
# The private bus comes from dbus-run-session below; nothing may reach the caller's.
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS

if [[ $wm != none ]]; then
  case $wm in
    openbox) openbox --sm-disable >"$tmp/wm.log" 2>&1 & ;;
    icewm) icewm >"$tmp/wm.log" 2>&1 & ;;
    *) echo "sdl_smoke: unknown window manager $wm"; exit 1 ;;
  esac
  wm_pid=$!
  # Ready once it announces itself on the root window and has taken over its frames.
  for _ in $(seq 400); do
    wmctrl -m >/dev/null 2>&1 && break
    sleep 0.05
  done
  wmctrl -m >/dev/null 2>&1 || { echo "sdl_smoke: $wm did not start:"; cat "$tmp/wm.log"; exit 1; }
fi

dbus-run-session -- "$bin" "${@:3}"
