# Sourced by the tests that run Kestrelle beside a game client in a fresh Wine prefix of their own, on the
# test run's virtual display (needs $build_dir, $root, $client_exe and $remote_exe). Gives them a work
# folder, the quiet Wine of that prefix, `fail` (which shows what scripts/run.sh said, from $work/run.out),
# translate_beside_client, and a clean-up on exit that ends the prefix's programs, $run_pid, $client_pid
# and every pid in `extra_pids`, and removes the folder.
work=$(mktemp -d)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
DISPLAY=$(cat "$build_dir/display/name")
export DISPLAY
extra_pids=()
cleanup() {
  # The prefix's own Wine server ends every program in it: the client, and Kestrelle if it is still there.
  wineserver -k >/dev/null 2>&1 || true
  for pid in ${run_pid:-} ${client_pid:-} "${extra_pids[@]}"; do
    kill "$pid" >/dev/null 2>&1 || true
    wait "$pid" >/dev/null 2>&1 || true
  done
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAILED: $*"
  echo "--- scripts/run.sh said:"
  cat "$work/run.out"
  exit 1
}

# translate_beside_client <client log> <remote_translate arguments>: starts a recording classic client in
# the fresh prefix, then Kestrelle with scripts/run.sh as the player does; remote_translate types the text
# into Kestrelle and translates it, and $transmitted is what it said. Waits for run.sh.
translate_beside_client() {
  echo "A fresh Wine prefix for the game client in $WINEPREFIX"
  wineboot --init >/dev/null 2>&1
  # The virtual display has no window manager.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wine "$client_exe" --log "$(winepath -w "$1")" >/dev/null 2>&1 &
  client_pid=$!
  "$root/scripts/run.sh" >"$work/run.out" 2>&1 &
  run_pid=$!
  transmitted=$(wine "$remote_exe" "${@:2}" 2>&1 | tr -d '\r') || fail "remote_translate: $transmitted"
  wait "$run_pid" || fail "scripts/run.sh ended with $?"
  run_pid=
}
