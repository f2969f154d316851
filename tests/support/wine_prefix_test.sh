# Sourced by the tests that run Kestrelle beside a game client in a fresh Wine prefix of their own, on the
# test run's virtual display (needs $build_dir). Gives them a work folder, the quiet Wine of that prefix,
# `fail` (which shows what scripts/run.sh said, from $work/run.out) and a clean-up on exit that ends the
# prefix's programs, $run_pid, $client_pid and every pid in `extra_pids`, and removes the folder.
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
