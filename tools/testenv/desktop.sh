#!/usr/bin/env bash
# Runs a command on a virtual desktop: an X display (Xvfb, 1280 x 800) with a
# window manager (openbox) on it, as every desktop has. Without one Wine waits
# up to 2 s for a manager every time a window is hidden, and the X focus does
# not follow activation.
#   desktop.sh COMMAND [ARG...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${TAVORIN_DESKTOP:-}" ]; then
  # The command's own status, whatever xvfb-run's cleanup says afterwards (on a
  # busy machine it may fail to remove its folder, with status 5).
  TAVORIN_DESKTOP=$(mktemp)
  export TAVORIN_DESKTOP
  status=0
  xvfb-run -a -s "-screen 0 1280x800x24 -nolisten tcp" "$here/desktop.sh" "$@" || status=$?
  if [ -s "$TAVORIN_DESKTOP" ]; then status=$(cat "$TAVORIN_DESKTOP"); fi
  rm -f "$TAVORIN_DESKTOP"
  exit "$status"
fi

openbox --sm-disable --config-file "$here/openbox-rc.xml" >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null || true; wait $wm 2>/dev/null || true' EXIT
# The manager is up once it has claimed the screen.
/usr/bin/python3 - <<'PY'
import time
from Xlib import display
screen = display.Display()
check = screen.intern_atom("_NET_SUPPORTING_WM_CHECK")
deadline = time.monotonic() + 20
while screen.screen().root.get_full_property(check, 0) is None:
    if time.monotonic() > deadline:
        raise SystemExit("openbox did not start")
    time.sleep(0.05)
PY

# A sound server with one null sink whose monitor the tests record: the
# program's sounds are played for real and heard by nobody.
if command -v pulseaudio >/dev/null; then
  export XDG_RUNTIME_DIR
  XDG_RUNTIME_DIR=$(mktemp -d)
  chmod 700 "$XDG_RUNTIME_DIR"
  HOME="$XDG_RUNTIME_DIR" pulseaudio -n --daemonize=yes --exit-idle-time=-1 --log-target=stderr \
    -L "module-null-sink sink_name=tavorin" -L module-native-protocol-unix 2>/dev/null
  export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse/native" TAVORIN_AUDIO_SINK=tavorin
  # The server leaves asynchronously, still writing in its folder: the folder
  # goes once the server has, and its removal never decides the command's status.
  stop_sound_server() {
    pactl exit 2>/dev/null || true
    for _ in $(seq 50); do
      HOME="$XDG_RUNTIME_DIR" pulseaudio --check 2>/dev/null || break
      sleep 0.1
    done
    rm -rf "$XDG_RUNTIME_DIR" 2>/dev/null || true
  }
  trap 'kill $wm 2>/dev/null || true; wait $wm 2>/dev/null || true; stop_sound_server' EXIT
fi
status=0
"$@" || status=$?
echo "$status" > "$TAVORIN_DESKTOP"
exit $status
