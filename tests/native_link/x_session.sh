# shellcheck shell=bash
# Sourced by the native link's tests: a work folder, an X display of its own (Xvfb, DISPLAY set) and the
# SDL window that plays a native ClassicUO, built as $work/ClassicUO; what the test starts goes in pids, and
# everything is ended and removed on exit. fail <message> ends the test.
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do
    kill -CONT "$pid" 2>/dev/null || true
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAILED: $*"
  exit 1
}

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
DISPLAY=":$(cat "$work/display")"
export DISPLAY
# shellcheck disable=SC2046  # pkg-config's flags are separate words
c++ -O1 -o "$work/ClassicUO" "$(dirname "${BASH_SOURCE[0]}")/sdl_recording_client.cpp" \
  $(pkg-config --cflags --libs sdl2)
