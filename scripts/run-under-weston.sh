#!/bin/sh
# Runs a command as a Wayland client of a headless weston of its own:
#   scripts/run-under-weston.sh build/bin/view_gl_tests
# Exits 77 (a skip for ctest) where weston or Qt's Wayland platform plugin
# is not installed.
command -v weston >/dev/null 2>&1 || { echo "weston not installed: skipped"; exit 77; }
plugins="$(qtpaths6 --plugin-dir 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)"
[ -e "$plugins/platforms/libqwayland-generic.so" ] || { echo "Qt Wayland plugin not installed: skipped"; exit 77; }

runtime="$(mktemp -d /tmp/vh-weston.XXXXXX)"
chmod 700 "$runtime"
socket=vh-test
XDG_RUNTIME_DIR="$runtime" weston --backend=headless-backend.so --socket="$socket" \
  --width=1280 --height=1024 --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston_pid=$!
client=""
stop() {
  [ -n "$client" ] && kill $client 2>/dev/null
  kill $weston_pid 2>/dev/null
  wait $weston_pid 2>/dev/null
  rm -rf "$runtime"
}
trap stop EXIT
# A timed-out test is ended with a signal: the test and weston go too.
trap 'stop; exit 1' INT TERM
i=0
while [ ! -S "$runtime/$socket" ]; do
  i=$((i + 1))
  if [ $i -gt 100 ] || ! kill -0 $weston_pid 2>/dev/null; then
    echo "weston did not start:"; cat "$runtime/weston.log"; exit 1
  fi
  sleep 0.1
done
XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland "$@" &
client=$!
wait $client
